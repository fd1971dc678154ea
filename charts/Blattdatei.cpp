#include "charts/Blattdatei.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <ctime>

#include "charts/Werkzeugdiagramm.h"
#include "files/Dateischreiben.h"

namespace zv {

namespace {

// Device resolution of the PDF: 1200 dots to the inch, so that positions round finely.
constexpr int kAufloesung = 1200;
// Margins in millimetres: the left one leaves room for the holes of a punch.
constexpr double kRandLinks = 27.0;
constexpr double kRandRechts = 13.0;
constexpr double kRandOben = 14.0;
constexpr double kRandUnten = 14.0;
// The header and the gap below it, in lines.
constexpr int kKopfzeilen = 2;

bool Zeichnen(const std::vector<Druckblatt>& blaetter, QIODevice& datei) {
    QPdfWriter schreiber(&datei);
    schreiber.setResolution(kAufloesung);
    schreiber.setCreator(QStringLiteral("Zorvanta"));
    schreiber.setTitle(QStringLiteral("Übungsblätter"));
    if (!schreiber.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(), QPageLayout::Millimeter)))
        return false;
    return BlaetterZeichnen(blaetter, schreiber);
}

// Replaces every occurrence of the text by filler of the same length, so that the offsets in
// the file's cross-reference table stay right.
void Festsetzen(QByteArray& inhalt, const QByteArray& text, char fueller) {
    if (text.isEmpty()) return;
    const QByteArray fest(text.size(), fueller);
    for (qsizetype stelle = inhalt.indexOf(text); stelle >= 0;
         stelle = inhalt.indexOf(text, stelle + text.size()))
        inhalt.replace(stelle, text.size(), fest);
}

// The value after a key up to the closing character, e.g. "/CreationDate (" ... ")".
QByteArray Wert(const QByteArray& inhalt, const QByteArray& schluessel, char ende) {
    const qsizetype anfang = inhalt.indexOf(schluessel);
    if (anfang < 0) return {};
    const qsizetype von = anfang + schluessel.size();
    const qsizetype bis = inhalt.indexOf(ende, von);
    return bis < 0 ? QByteArray() : inhalt.mid(von, bis - von);
}

// The writer stamps the moment of writing and a random document id (in the trailer and the
// metadata); both become fixed digits of the same length.
void Stempelfestsetzen(QByteArray& inhalt) {
    // A valid date of the same length: 1 January 2000, 00:00, in universal time.
    const QByteArray datum = Wert(inhalt, "/CreationDate (D:", ')');
    if (datum.size() >= 14) {
        QByteArray fest = "20000101000000";
        const QByteArray zone = datum.size() == 15 ? "Z" : "+00'00'";
        fest += datum.size() == 14 + zone.size() ? zone : QByteArray(datum.size() - 14, '0');
        inhalt.replace("/CreationDate (D:" + datum + ")", "/CreationDate (D:" + fest + ")");
    }
    Festsetzen(inhalt, Wert(inhalt, "<xmp:CreateDate>", '<'), '0');
    Festsetzen(inhalt, Wert(inhalt, "<xmp:ModifyDate>", '<'), '0');
    Festsetzen(inhalt, Wert(inhalt, "<xmp:MetadataDate>", '<'), '0');
    const QByteArray kennung = Wert(inhalt, "/ID [<", '>');
    Festsetzen(inhalt, kennung, '0');
    // The metadata give the id as a UUID with dashes.
    Festsetzen(inhalt, Wert(inhalt, "<xmpMM:DocumentID>uuid:", '<'), '0');
    Festsetzen(inhalt, Wert(inhalt, "<xmpMM:InstanceID>uuid:", '<'), '0');
}

// Universal time for as long as it lives: the writer stamps the local time with its offset, and
// the offset's length ("Z" or "+01'00'") would otherwise make the files of two time zones differ
// in every position after it.
class Weltzeit {
  public:
    Weltzeit() : alt_(qgetenv("TZ")), gesetzt_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", "UTC");
        tzset();
    }
    ~Weltzeit() {
        if (gesetzt_)
            qputenv("TZ", alt_);
        else
            qunsetenv("TZ");
        tzset();
    }
    Weltzeit(const Weltzeit&) = delete;
    Weltzeit& operator=(const Weltzeit&) = delete;

  private:
    QByteArray alt_;
    bool gesetzt_;
};

std::string Schreiben(const std::vector<Druckblatt>& blaetter, const std::string& pfad) {
    const Weltzeit weltzeit;
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    const bool gezeichnet = Zeichnen(blaetter, puffer);
    puffer.close();
    const std::string vorne = "Übungsblätter nicht schreibbar: " + pfad + ": ";
    if (!gezeichnet) return vorne + "Das PDF ließ sich nicht erzeugen.";
    Stempelfestsetzen(inhalt);
    if (const auto grund = AtomarSchreiben(QString::fromStdString(pfad), inhalt))
        return vorne + grund->toStdString();
    return {};
}

}  // namespace

bool BlaetterZeichnen(const std::vector<Druckblatt>& blaetter, QPagedPaintDevice& geraet) {
    // Millimetres to device dots, across and down (a printer's may differ).
    const double mmX = geraet.logicalDpiX() / 25.4;
    const double mmY = geraet.logicalDpiY() / 25.4;
    const QRectF papier = geraet.pageLayout().fullRect(QPageLayout::Millimeter);
    // Where the device keeps margins of its own, its origin lies at their corner.
    const QPointF ursprung = geraet.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const double breite = (papier.width() - kRandLinks - kRandRechts) * mmX;
    const double hoehe = (papier.height() - kRandOben - kRandUnten) * mmY;
    const double zeilenabstand = hoehe / (kDruckzeilen + kKopfzeilen);

    QFont schrift(QStringLiteral("DejaVu Sans Mono"));
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    // The largest size up to 10 points at which a full line fits the width and one line's
    // height the line spacing.
    schrift.setPointSizeF(10.0);
    maler.setFont(schrift);
    QFontMetricsF mass(maler.font(), &geraet);
    const double zeile = mass.horizontalAdvance(QString(kDruckspalten, QLatin1Char('0')));
    const double faktor = std::min({1.0, breite / zeile, zeilenabstand / mass.height()});
    schrift.setPointSizeF(10.0 * faktor);
    maler.setFont(schrift);
    mass = QFontMetricsF(maler.font(), &geraet);
    const double links = (kRandLinks - ursprung.x()) * mmX;
    const double oben = (kRandOben - ursprung.y()) * mmY + mass.ascent();

    for (std::size_t s = 0; s < blaetter.size(); ++s) {
        if (s > 0 && !geraet.newPage()) return false;
        const Druckblatt& blatt = blaetter[s];
        const QString rechts = QString::fromStdString(blatt.Seitenangabe);
        maler.drawText(QPointF(links, oben), QString::fromStdString(blatt.Kopf));
        maler.drawText(QPointF(links + breite - mass.horizontalAdvance(rechts), oben), rechts);
        const double strich = oben + zeilenabstand * 0.4;
        maler.setPen(QPen(Qt::black, zeilenabstand / 20));
        maler.drawLine(QPointF(links, strich), QPointF(links + breite, strich));
        for (std::size_t z = 0; z < blatt.Zeilen.size(); ++z)
            maler.drawText(
                QPointF(links, oben + zeilenabstand * static_cast<double>(kKopfzeilen + z)),
                QString::fromStdString(blatt.Zeilen[z]));
    }
    return maler.end();
}

std::string BlattdateiSchreiben(const std::vector<Druckblatt>& blaetter, const std::string& pfad) {
    return MitWerkzeugAnwendung([&] { return Schreiben(blaetter, pfad); });
}

}  // namespace zv

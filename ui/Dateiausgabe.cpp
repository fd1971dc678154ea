#include "ui/Dateiausgabe.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace {

QString TabsErweitern(QString zeile) {
    if (!zeile.contains(QLatin1Char('\t'))) return zeile;
    QString erweitert;
    erweitert.reserve(zeile.size() + Tabulatorweite);
    for (const QChar c : zeile) {
        if (c == QLatin1Char('\t'))
            erweitert.append(QString(Tabulatorweite - erweitert.size() % Tabulatorweite, u' '));
        else
            erweitert.append(c);
    }
    return erweitert;
}

// Widths of text in one font on one device, summed from the advances of its characters: the
// report's lines run to hundreds of thousands of characters, and a fixed-pitch font has no
// kerning that would make the sum differ from the drawn line.
class Breitenmass {
  public:
    Breitenmass(const QFont& schrift, QPaintDevice* geraet)
        : masse_(schrift, geraet), tabelle_(0x10000, -1.0) {}

    // The advance of the character at i; n receives its length in UTF-16 units.
    double Zeichen(const QString& text, qsizetype i, qsizetype& n) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            n = 2;
            return masse_.horizontalAdvance(text.mid(i, 2));
        }
        n = 1;
        double& breite = tabelle_[c];
        if (breite < 0) breite = masse_.horizontalAdvance(QChar(c));
        return breite;
    }

    double Text(const QString& text) {
        double summe = 0;
        for (qsizetype i = 0, n = 1; i < text.size(); i += n) summe += Zeichen(text, i, n);
        return summe;
    }

    const QFontMetricsF& Masse() const { return masse_; }

  private:
    QFontMetricsF masse_;
    std::vector<double> tabelle_;  // by UTF-16 unit; negative: not yet measured
};

double BreitesteZeile(const QStringList& zeilen, Breitenmass& mass) {
    double breiteste = 0;
    for (const QString& zeile : zeilen) breiteste = std::max(breiteste, mass.Text(zeile));
    return breiteste;
}

// The pieces of a line that fit the width. A piece ends after a blank where one stands in its
// second half, else where the width is full; a combining mark stays with the character before it.
void Zerlegen(const QString& zeile, int nummer, double breite, Breitenmass& mass,
              std::vector<Druckzeile>& ziel) {
    qsizetype anfang = 0;
    qsizetype nachLeer = -1;  // the character after the last blank of the piece
    double belegt = 0;
    double bisLeer = 0;  // the piece's width up to and with that blank
    bool fortsetzung = false;
    const auto abschliessen = [&](qsizetype ende) {
        ziel.push_back(
            {nummer, static_cast<int>(anfang), static_cast<int>(ende - anfang), fortsetzung});
        fortsetzung = true;
        anfang = ende;
    };
    for (qsizetype i = 0, n = 1; i < zeile.size(); i += n) {
        const double zeichen = mass.Zeichen(zeile, i, n);
        if (belegt + zeichen > breite && i > anfang && !zeile[i].isMark()) {
            if (nachLeer > anfang + (i - anfang) / 2) {
                abschliessen(nachLeer);
                belegt -= bisLeer;
            } else {
                abschliessen(i);
                belegt = 0;
            }
            nachLeer = -1;
        }
        belegt += zeichen;
        if (zeile[i] == u' ') {
            nachLeer = i + 1;
            bisLeer = belegt;
        }
    }
    abschliessen(zeile.size());
}

void KopfZeichnen(QPainter& maler, const Drucksatz& satz, double breite, const QString& datum,
                  int seite, int seiten) {
    const QString links = QStringLiteral("Zorvanta – Bericht");
    const QString rechts = QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten);
    QFont schrift = satz.Schrift;
    schrift.setBold(false);
    // On a narrow page the header shrinks until its three parts stand apart.
    const QFontMetricsF masse(schrift, maler.device());
    const double noetig = masse.horizontalAdvance(links + datum + rechts) +
                          6 * masse.horizontalAdvance(QLatin1Char(' '));
    if (noetig > breite) schrift.setPointSizeF(schrift.pointSizeF() * breite / noetig);
    maler.setFont(schrift);
    const QFontMetricsF kopf(schrift, maler.device());
    const double grundlinie = kopf.ascent();
    maler.drawText(QPointF(0, grundlinie), links);
    maler.drawText(QPointF((breite - kopf.horizontalAdvance(datum)) / 2, grundlinie), datum);
    maler.drawText(QPointF(breite - kopf.horizontalAdvance(rechts), grundlinie), rechts);
    const double strich = satz.Zeilenabstand * 1.25;
    maler.setPen(QPen(Qt::black, satz.Zeilenabstand / 20));
    maler.drawLine(QPointF(0, strich), QPointF(breite, strich));
    maler.setFont(satz.Schrift);
}

}  // namespace

int Drucksatz::Seiten() const {
    if (ZeilenProSeite <= 0) return 0;
    const auto zeilen = static_cast<int>(Druckzeilen.size());
    return (zeilen + ZeilenProSeite - 1) / ZeilenProSeite;
}

int Drucksatz::SeiteDerZeile(int zeile) const {
    const auto stelle =
        std::lower_bound(Druckzeilen.begin(), Druckzeilen.end(), zeile,
                         [](const Druckzeile& d, int gesucht) { return d.Zeile < gesucht; });
    if (stelle == Druckzeilen.end() || stelle->Zeile != zeile || ZeilenProSeite <= 0) return 0;
    return static_cast<int>(stelle - Druckzeilen.begin()) / ZeilenProSeite + 1;
}

QStringList Berichtszeilen(const QString& bericht) {
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype laenge = bericht.size();
    for (qsizetype i = 0; i < laenge; ++i) {
        const QChar c = bericht[i];
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            zeilen << TabsErweitern(bericht.mid(anfang, i - anfang));
            if (c == u'\r' && i + 1 < laenge && bericht[i + 1] == u'\n') ++i;
            anfang = i + 1;
        }
    }
    if (anfang < laenge) zeilen << TabsErweitern(bericht.mid(anfang));
    return zeilen;
}

Drucksatz DrucksatzBilden(const QString& bericht, const QFont& schrift, QPagedPaintDevice& geraet,
                          bool ausrichtungWaehlen) {
    Drucksatz satz;
    satz.Zeilen = Berichtszeilen(bericht);
    if (satz.Zeilen.isEmpty()) {
        satz.Fehler = QStringLiteral("Die Ausgabe ist leer; es gibt nichts zu drucken.");
        return satz;
    }
    // A font set in pixels has no point size; it is printed in the window's 9 points.
    const double eigene = schrift.pointSizeF() > 0 ? schrift.pointSizeF() : 9.0;
    const double kleinste = std::min(eigene, KleinsteDruckschrift);
    QFont druckschrift = schrift;
    druckschrift.setPointSizeF(eigene);

    // The size at which the widest line just fits a width, from its width in the own size.
    double breiteste = 0;
    {
        Breitenmass mass(druckschrift, &geraet);
        breiteste = BreitesteZeile(satz.Zeilen, mass);
    }
    const auto groesseFuer = [&](double breite) {
        return breiteste <= breite ? eigene : eigene * breite / breiteste;
    };
    if (ausrichtungWaehlen) {
        const int aufloesung = geraet.logicalDpiX();
        const auto breiteBei = [&](QPageLayout::Orientation ausrichtung) {
            QPageLayout seite = geraet.pageLayout();
            seite.setOrientation(ausrichtung);
            return static_cast<double>(seite.paintRectPixels(aufloesung).width());
        };
        const bool quer = groesseFuer(breiteBei(QPageLayout::Landscape)) >
                          groesseFuer(breiteBei(QPageLayout::Portrait));
        geraet.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    satz.Quer = geraet.pageLayout().orientation() == QPageLayout::Landscape;
    const double seitenbreite = geraet.width();
    const double seitenhoehe = geraet.height();

    // Sizes in tenths of a point; measured again in the size found, since a font's advances
    // need not grow exactly in proportion, and stepped down where the line still sticks out.
    double groesse = std::max(kleinste, std::floor(groesseFuer(seitenbreite) * 10) / 10);
    for (int versuch = 0;; ++versuch) {
        druckschrift.setPointSizeF(groesse);
        Breitenmass mass(druckschrift, &geraet);
        breiteste = BreitesteZeile(satz.Zeilen, mass);
        if (breiteste <= seitenbreite || groesse <= kleinste || versuch == 20) break;
        groesse = std::max(kleinste, groesse - 0.1);
    }
    satz.Schrift = druckschrift;
    satz.Textbreite = breiteste;

    Breitenmass mass(druckschrift, &geraet);
    satz.Zeilenabstand = mass.Masse().lineSpacing();
    satz.Kopfhoehe = 2 * satz.Zeilenabstand;
    const bool umbrechen = breiteste > seitenbreite;
    satz.Einzug = umbrechen ? mass.Text(QString(Fortsetzungszeichen) + u' ') : 0;
    satz.Seitenbreite = seitenbreite - satz.Einzug;
    satz.ZeilenProSeite =
        static_cast<int>(std::floor((seitenhoehe - satz.Kopfhoehe) / satz.Zeilenabstand));
    if (satz.ZeilenProSeite < 1 || satz.Seitenbreite < mass.Masse().maxWidth()) {
        satz.ZeilenProSeite = 0;
        satz.Fehler = QStringLiteral(
            "Die Seite ist zu klein für den Bericht. Bitte ein größeres Papierformat oder "
            "schmalere Ränder wählen.");
        return satz;
    }

    satz.Druckzeilen.reserve(static_cast<std::size_t>(satz.Zeilen.size()));
    for (int nummer = 0; nummer < satz.Zeilen.size(); ++nummer) {
        const QString& zeile = satz.Zeilen[nummer];
        if (umbrechen && mass.Text(zeile) > satz.Seitenbreite) {
            Zerlegen(zeile, nummer, satz.Seitenbreite, mass, satz.Druckzeilen);
            ++satz.UmbrocheneZeilen;
        } else {
            satz.Druckzeilen.push_back({nummer, 0, static_cast<int>(zeile.size()), false});
        }
    }
    return satz;
}

Druckausgang SeitenDrucken(const Drucksatz& satz, const QString& datum, QPagedPaintDevice& geraet,
                           const std::function<bool(int fertig, int seiten)>& fortschritt,
                           bool verwerfen) {
    const int seiten = satz.Seiten();
    if (!satz.Fehler.isEmpty() || seiten == 0) return Druckausgang::Fehlgeschlagen;
    if (!fortschritt(0, seiten)) return Druckausgang::Abgebrochen;

    auto* drucker = dynamic_cast<QPrinter*>(&geraet);
    QPainter maler;
    if (!maler.begin(&geraet)) return Druckausgang::Fehlgeschlagen;
    // A file begun by this print is removed again when the print does not finish.
    const auto beenden = [&](Druckausgang ausgang) {
        const bool weg = verwerfen || ausgang == Druckausgang::Fehlgeschlagen;
        if (ausgang == Druckausgang::Abgebrochen && verwerfen && drucker != nullptr)
            drucker->abort();
        if (maler.isActive()) maler.end();
        if (weg && drucker != nullptr && drucker->outputFormat() == QPrinter::PdfFormat &&
            !drucker->outputFileName().isEmpty())
            QFile::remove(drucker->outputFileName());
        return ausgang;
    };

    const double breite = satz.Einzug + satz.Seitenbreite;
    const double oberlaenge = QFontMetricsF(satz.Schrift, &geraet).ascent();
    const QString marke(Fortsetzungszeichen);
    const auto anzahl = static_cast<qsizetype>(satz.Druckzeilen.size());
    for (int seite = 0; seite < seiten; ++seite) {
        if (seite > 0) {
            if (!fortschritt(seite, seiten)) return beenden(Druckausgang::Abgebrochen);
            if (!geraet.newPage()) return beenden(Druckausgang::Fehlgeschlagen);
        }
        KopfZeichnen(maler, satz, breite, datum, seite + 1, seiten);
        const qsizetype erste = static_cast<qsizetype>(seite) * satz.ZeilenProSeite;
        const qsizetype letzte = std::min(anzahl, erste + satz.ZeilenProSeite);
        for (qsizetype i = erste; i < letzte; ++i) {
            const Druckzeile& d = satz.Druckzeilen[static_cast<std::size_t>(i)];
            const double y =
                satz.Kopfhoehe + static_cast<double>(i - erste) * satz.Zeilenabstand + oberlaenge;
            if (d.Fortsetzung) maler.drawText(QPointF(0, y), marke);
            maler.drawText(QPointF(satz.Einzug, y), satz.Zeilen[d.Zeile].mid(d.Anfang, d.Laenge));
        }
    }
    fortschritt(seiten, seiten);
    if (!maler.end()) return beenden(Druckausgang::Fehlgeschlagen);
    if (drucker != nullptr && drucker->printerState() == QPrinter::Error)
        return beenden(Druckausgang::Fehlgeschlagen);
    return Druckausgang::Fertig;
}

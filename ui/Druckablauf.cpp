#include "ui/Druckablauf.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "charts/Blattdatei.h"
#include "uebung/Arbeitsblatt.h"

namespace {

const QString Drucktitel = QStringLiteral("Ausgabe drucken");
const QString Vorschautitel = QStringLiteral("Druckvorschau");

// The wait cursor for as long as it lives.
class Wartezeiger {
  public:
    Wartezeiger() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wartezeiger() { QApplication::restoreOverrideCursor(); }
    Wartezeiger(const Wartezeiger&) = delete;
    Wartezeiger& operator=(const Wartezeiger&) = delete;
};

void Melden(const Druckumgebung& umgebung, const QString& text, const QString& titel) {
    QString zeilen = text;
    zeilen.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    umgebung.Dialoge->Meldung(zeilen.toStdString(), titel.toStdString(),
                              zv::Meldungssymbol::Kritisch);
}

// Prints the set report under a progress dialog over the given window and the wait cursor;
// fertig receives the number of pages made. Not in a preview, a cancel discards the print.
Druckausgang MitFortschritt(const Drucksatz& satz, QPrinter& drucker, const Druckumgebung& umgebung,
                            const QString& titel, int& fertig, QWidget* ueber, bool vorschau) {
    QProgressDialog fortschritt(QString(), QStringLiteral("Abbrechen"), 0, satz.Seiten(), ueber);
    fortschritt.setWindowTitle(titel);
    fortschritt.setMinimumWidth(360);  // room for the title
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(300);
    fortschritt.setAutoReset(false);
    fortschritt.setAutoClose(false);
    const Wartezeiger zeiger;
    fertig = 0;
    return SeitenDrucken(
        satz, umgebung.Datum, drucker,
        [&](int seiten, int alle) {
            fertig = seiten;
            fortschritt.setLabelText(
                QStringLiteral("Seite %1 von %2 …").arg(std::min(seiten + 1, alle)).arg(alle));
            fortschritt.setValue(seiten);
            QCoreApplication::processEvents();
            return !fortschritt.wasCanceled();
        },
        !vorschau);
}

// The message for a print that did not finish.
QString Ausgangsmeldung(Druckausgang ausgang, const QPrinter& drucker, int fertig, int seiten,
                        bool vorschau) {
    const bool datei =
        drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty();
    const QString name = QDir::toNativeSeparators(drucker.outputFileName());
    if (ausgang == Druckausgang::Abgebrochen && vorschau) {
        return QStringLiteral(
                   "Nach %1 von %2 Seiten abgebrochen. Die Vorschau zeigt nur diese Seiten, "
                   "und ein Druck aus ihr enthält nur diese.")
            .arg(fertig)
            .arg(seiten);
    }
    if (ausgang == Druckausgang::Abgebrochen) {
        QString text = QStringLiteral(
                           "Der Druck wurde nach %1 von %2 Seiten abgebrochen; der "
                           "Bericht ist nicht vollständig gedruckt.")
                           .arg(fertig)
                           .arg(seiten);
        if (datei) text += QStringLiteral("\n\nDie begonnene Datei „%1“ wurde gelöscht.").arg(name);
        return text;
    }
    QString text = QStringLiteral("Der Bericht konnte nicht gedruckt werden.");
    if (datei) text += QStringLiteral("\n\nDie Datei „%1“ ließ sich nicht schreiben.").arg(name);
    return text;
}

}  // namespace

QString Druckfrage(const Drucksatz& satz, bool vorschau) {
    const int seiten = satz.Seiten();
    if (seiten <= Seitengrenze && satz.UmbrocheneZeilen == 0) return QString();
    QStringList teile;
    teile << (seiten == 1 ? QStringLiteral("Der Bericht umfasst 1 Seite.")
                          : QStringLiteral("Der Bericht umfasst %1 Seiten.").arg(seiten));
    if (satz.UmbrocheneZeilen > 0) {
        const QString zeilen = satz.UmbrocheneZeilen == 1
                                   ? QStringLiteral("1 Zeile ist")
                                   : QStringLiteral("%1 Zeilen sind").arg(satz.UmbrocheneZeilen);
        teile << QStringLiteral(
                     "%1 auch in der kleinsten Schrift (%2 Punkt) breiter als die "
                     "Seite. Sie werden in den folgenden Zeilen fortgesetzt; jede "
                     "Fortsetzung ist am linken Rand mit %3 markiert.")
                     .arg(zeilen)
                     .arg(QLocale(QLocale::German).toString(satz.Schrift.pointSizeF()))
                     .arg(QChar(Fortsetzungszeichen));
    }
    teile << (vorschau ? QStringLiteral("Vorschau trotzdem anzeigen?")
                       : QStringLiteral("Wirklich drucken?"));
    return teile.join(QStringLiteral("\n\n"));
}

Druckausgang BerichtDrucken(const QString& bericht, const QFont& schrift, QPrinter& drucker,
                            const Druckumgebung& umgebung) {
    Drucksatz satz;
    {
        const Wartezeiger zeiger;
        satz = DrucksatzBilden(bericht, schrift, drucker, true);
    }
    if (!satz.Fehler.isEmpty()) {
        Melden(umgebung, satz.Fehler, Drucktitel);
        return Druckausgang::Fehlgeschlagen;
    }
    const QString frage = Druckfrage(satz, false);
    if (!frage.isEmpty() && !umgebung.Frage(frage, Drucktitel)) return Druckausgang::Abgebrochen;
    int fertig = 0;
    const Druckausgang ausgang =
        MitFortschritt(satz, drucker, umgebung, Drucktitel, fertig, umgebung.Eltern, false);
    if (ausgang != Druckausgang::Fertig)
        Melden(umgebung, Ausgangsmeldung(ausgang, drucker, fertig, satz.Seiten(), false),
               Drucktitel);
    return ausgang;
}

void VorschauZeigen(const QString& bericht, const QFont& schrift, const Druckumgebung& umgebung) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Zorvanta-Bericht"));
    Drucksatz satz;
    {
        const Wartezeiger zeiger;
        satz = DrucksatzBilden(bericht, schrift, drucker, true);
    }
    if (!satz.Fehler.isEmpty()) {
        Melden(umgebung, satz.Fehler, Vorschautitel);
        return;
    }
    const QString frage = Druckfrage(satz, true);
    if (!frage.isEmpty() && !umgebung.Frage(frage, Vorschautitel)) return;

    QPrintPreviewDialog vorschau(&drucker, umgebung.Eltern);
    vorschau.setWindowTitle(Vorschautitel);
    // Large enough to read a page: most of the screen the window is on.
    if (const QScreen* bildschirm = umgebung.Eltern ? umgebung.Eltern->screen() : nullptr)
        vorschau.resize(bildschirm->availableGeometry().size() * 0.8);
    // The pages are made again whenever the preview changes the page set-up, and once more
    // when it prints; the orientation is then the one shown. The progress dialog belongs to
    // the preview, which would otherwise block its "Abbrechen".
    QObject::connect(
        &vorschau, &QPrintPreviewDialog::paintRequested, &vorschau, [&](QPrinter* ziel) {
            const Drucksatz neu = DrucksatzBilden(bericht, schrift, *ziel, false);
            if (!neu.Fehler.isEmpty()) {
                Melden(umgebung, neu.Fehler, Vorschautitel);
                return;
            }
            int fertig = 0;
            const Druckausgang ausgang =
                MitFortschritt(neu, *ziel, umgebung, Vorschautitel, fertig, &vorschau, true);
            if (ausgang != Druckausgang::Fertig)
                Melden(umgebung, Ausgangsmeldung(ausgang, *ziel, fertig, neu.Seiten(), true),
                       Vorschautitel);
        });
    vorschau.exec();
}

bool BlaetterDrucken(const zv::Blattwunsch& wunsch, QPrinter& drucker,
                     const Druckumgebung& umgebung) {
    bool fertig = false;
    {
        const Wartezeiger zeiger;
        std::vector<zv::Druckblatt> blaetter;
        for (zv::Blattseite& seite : zv::ArbeitsblaetterSetzen(wunsch))
            blaetter.push_back(
                {std::move(seite.Kopf), std::move(seite.Seitenangabe), std::move(seite.Zeilen)});
        fertig = zv::BlaetterZeichnen(blaetter, drucker);
    }
    if (fertig) return true;
    QString text = QStringLiteral("Die Übungsblätter konnten nicht gedruckt werden.");
    if (drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty())
        text += QStringLiteral("\n\nDie Datei „%1“ ließ sich nicht schreiben.")
                    .arg(QDir::toNativeSeparators(drucker.outputFileName()));
    Melden(umgebung, text, QStringLiteral("Übungsblätter"));
    return false;
}

// Printing the report into PDF files: size and orientation chosen so that lines keep whole,
// pages of whole lines with nothing lost, no file left by a cancel or failure, and the
// window's question and messages around it. Headless.

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>
#include <QtWidgets>

#include "Fenstertest.h"
#include "run/Rechenlauf.h"
#include "run/Statistiken.h"
#include "ui/Druckablauf.h"
#include "ui/frmStatistik.h"

namespace {

std::string Werte(int anzahl, int versatz) {
    std::string text;
    for (int i = 0; i < anzahl; ++i)
        text += (i ? " " : "") + std::to_string((i * 37 + versatz) % 99 + 1);
    return text;
}

// The report of a run with every entry of the mode selected, as the window's run writes it.
QString Bericht(bool zweidimensional, int anzahl, bool schritte, bool tabellen) {
    zv::clsRechenlauf lauf(",");
    zv::Steuerzustand zustand;
    zustand.Zweidimensional = zweidimensional;
    zustand.txtM1 = Werte(anzahl, 7);
    zustand.txtM2 = Werte(anzahl, 50);
    zustand.chkDetail = schritte;
    zustand.Rechentabellen = tabellen;
    for (const std::string& text : zv::ListenEintraege(zweidimensional))
        zustand.lstSelection.push_back({text, true});
    return QString::fromStdString(lauf.cmdCalculate_Click(std::move(zustand)).txtAusgabe);
}

void PdfEinrichten(QPrinter& drucker, const QString& pfad) {
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad);
    drucker.setPageSize(QPageSize(QPageSize::A4));
}

// The pages of a PDF file, by its page objects (not the page tree's "/Pages").
int PdfSeiten(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(datei.readAll()).count(seite));
}

// Empty when the printed pieces give back every report line exactly and in order, only further
// pieces are marked as carried on, and each piece of a carried-on line fits the text width.
QString Luecke(const Drucksatz& satz, const QPaintDevice& geraet) {
    QStringList zusammen;
    const QFontMetricsF masse(satz.Schrift, &geraet);
    for (const Druckzeile& d : satz.Druckzeilen) {
        const QString stueck = satz.Zeilen.value(d.Zeile).mid(d.Anfang, d.Laenge);
        if (d.Fortsetzung != (d.Anfang > 0)) return QStringLiteral("mark at %1").arg(d.Zeile);
        if (d.Fortsetzung && d.Zeile == zusammen.size() - 1)
            zusammen.last() += stueck;
        else if (!d.Fortsetzung && d.Zeile == zusammen.size())
            zusammen << stueck;
        else
            return QStringLiteral("order at %1").arg(d.Zeile);
        if (satz.UmbrocheneZeilen > 0 && masse.horizontalAdvance(stueck) > satz.Seitenbreite)
            return QStringLiteral("too wide at %1").arg(d.Zeile);
    }
    return zusammen == satz.Zeilen ? QString() : QStringLiteral("lines differ");
}

}  // namespace

class TestDrucken : public QObject {
    Q_OBJECT

    const QFont schrift_{QStringLiteral("Courier New"), 9, QFont::Bold};

  private slots:
    // Line ends of every kind, the last one optional, empty lines kept, tabs to stops of 8.
    void berichtszeilen() {
        const std::pair<QString, QStringList> faelle[] = {
            {"a\r\nb\r\n", {"a", "b"}},
            {"a\nb\rc", {"a", "b", "c"}},
            {"\r\n\r\nx\r\n\r\n", {"", "", "x", ""}},
            {"", {}},
            {QString("a") + QChar(0x2028) + "b" + QChar(0x2029) + "c", {"a", "b", "c"}},
            {"x\ty\r\n12345678\tz\r\n\t", {"x       y", "12345678        z", "        "}}};
        for (const auto& [bericht, zeilen] : faelle) QCOMPARE(Berichtszeilen(bericht), zeilen);
    }

    // Every line whole on its pages, all pages printed with the progress told up to the last.
    // Without carried-on lines the widest fits the page at the chosen size and orientation,
    // which is the largest size in tenths of a point up to 9 points. Two lists of 32,767 values
    // with every entry (13.5 million characters, lines of hundreds of thousands) are carried on
    // at the smallest size.
    void seitenGesetzt_data() {
        QTest::addColumn<QString>("bericht");
        QTest::addColumn<bool>("kleiner");  // too wide for 9 points on portrait A4
        QTest::newRow("1-D, every entry") << Bericht(false, 10, true, true) << false;
        QTest::newRow("2-D, every entry") << Bericht(true, 10, true, true) << false;
        QTest::newRow("2-D, 16 values") << Bericht(true, 16, true, true) << true;
        QTest::newRow("2-D, 20 values, no steps") << Bericht(true, 20, false, false) << true;
        QTest::newRow("2-D, 32767 values") << Bericht(true, 32767, true, true) << true;
    }
    void seitenGesetzt() {
        QFETCH(QString, bericht);
        QFETCH(bool, kleiner);
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        PdfEinrichten(drucker, ordner.filePath("b.pdf"));
        const Drucksatz satz = DrucksatzBilden(bericht, schrift_, drucker, true);
        QVERIFY2(satz.Fehler.isEmpty() && Luecke(satz, drucker).isEmpty(), qPrintable(satz.Fehler));
        QCOMPARE(satz.Quer, drucker.pageLayout().orientation() == QPageLayout::Landscape);
        const double groesse = satz.Schrift.pointSizeF();
        QCOMPARE(groesse < 9.0 || satz.Quer, kleiner);
        const int seiten = satz.Seiten();
        QCOMPARE(satz.SeiteDerZeile(static_cast<int>(satz.Zeilen.size()) - 1), seiten);
        int zuletzt = -1;
        QCOMPARE(SeitenDrucken(satz, "6.12.2026", drucker,
                               [&](int fertig, int) { return (zuletzt = fertig) >= 0; }),
                 Druckausgang::Fertig);
        QCOMPARE(zuletzt, seiten);
        QCOMPARE(PdfSeiten(ordner.filePath("b.pdf")), seiten);
        if (satz.UmbrocheneZeilen > 0) {
            QVERIFY(satz.Quer && bericht.size() > 10'000'000);
            QCOMPARE(groesse, KleinsteDruckschrift);
            return;
        }
        QCOMPARE(satz.Druckzeilen.size(), static_cast<std::size_t>(satz.Zeilen.size()));
        QVERIFY(groesse >= KleinsteDruckschrift && groesse <= 9.0);
        const auto breiteste = [&](double punkte) {
            QFont schrift = satz.Schrift;
            schrift.setPointSizeF(punkte);
            const QFontMetricsF masse(schrift, &drucker);
            double breite = 0;
            for (const QString& zeile : satz.Zeilen)
                breite = std::max(breite, masse.horizontalAdvance(zeile));
            return breite;
        };
        QVERIFY(breiteste(groesse) <= drucker.width());
        // A tenth of a point more does not fit even the page's longer side.
        const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
        if (groesse < 9.0)
            QVERIFY(breiteste(groesse + 0.1) > std::max(seite.width(), seite.height()));
    }

    // Cancelled before any page or part-way, or refused: no file is left.
    void abbrechenUndFehler() {
        const QString bericht = Bericht(true, 400, true, true);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("b.pdf");
        for (const int bis : {0, 1, 3}) {
            QPrinter drucker(QPrinter::HighResolution);
            PdfEinrichten(drucker, pfad);
            const Drucksatz satz = DrucksatzBilden(bericht, schrift_, drucker, true);
            QCOMPARE(
                SeitenDrucken(satz, "x", drucker, [&](int fertig, int) { return fertig < bis; }),
                Druckausgang::Abgebrochen);
            QVERIFY(!QFile::exists(pfad));
        }
        // A page without room for a line is refused.
        QPrinter drucker(QPrinter::HighResolution);
        PdfEinrichten(drucker, pfad);
        drucker.setPageSize(QPageSize(QSizeF(20, 4), QPageSize::Millimeter));
        drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        const Drucksatz zuKlein = DrucksatzBilden(bericht, schrift_, drucker, true);
        QVERIFY(zuKlein.Fehler.contains("zu klein"));
        QCOMPARE(SeitenDrucken(zuKlein, "x", drucker, [](int, int) { return true; }),
                 Druckausgang::Fehlgeschlagen);
        QVERIFY(!QFile::exists(pfad));
    }

    // A line too wide at the smallest size is carried on after a blank, marked, and asked about.
    void ueberbreiteZeile() {
        QStringList woerter;
        for (int i = 1; i <= 400; ++i) woerter << QStringLiteral("b%1").arg(i);
        QPrinter drucker(QPrinter::HighResolution);
        PdfEinrichten(drucker, QString());
        const Drucksatz satz =
            DrucksatzBilden(woerter.join(u' ') + "\r\nEnde", schrift_, drucker, true);
        QCOMPARE(satz.UmbrocheneZeilen, 1);
        QVERIFY(satz.Druckzeilen.size() > 5 && satz.Einzug > 0);
        QVERIFY(Luecke(satz, drucker).isEmpty());
        for (std::size_t i = 0; i + 2 < satz.Druckzeilen.size(); ++i) {
            const Druckzeile& d = satz.Druckzeilen[i];
            QCOMPARE(satz.Zeilen[0].at(d.Anfang + d.Laenge - 1), QChar(u' '));
        }
        QVERIFY(Druckfrage(satz, false).contains("\n\n1 Zeile ist auch in der kleinsten Schrift"));
        QVERIFY(Druckfrage(DrucksatzBilden("kurz", schrift_, drucker, true), false).isEmpty());
    }

    // The window asks before a long printout: No prints nothing and tells nothing, Yes prints
    // every page, and so does the preview. A failing file and an empty report are told.
    void fenster() {
        zvtest::Testdialoge dialoge;
        QStringList fragen;
        frmStatistik::Dienste dienste;
        dienste.Dialoge = &dialoge;
        dienste.Druckfrage = [&](const QString& frage, const QString& titel) {
            fragen << titel + "|" + frage;
            return fragen.size() > 1;
        };
        frmStatistik f(dienste);
        f.show();
        zvtest::Kind<QRadioButton>(&f, "optMaterial_1")->click();
        zvtest::Kind<QLineEdit>(&f, "txtM1")->setText(QString::fromStdString(Werte(1500, 3)));
        zvtest::Kind<QLineEdit>(&f, "txtM2")->setText(QString::fromStdString(Werte(1500, 5)));
        zvtest::Kind<QListWidget>(&f, "lstSelection")->selectAll();
        zvtest::Kind<QCheckBox>(&f, "chkDetail")->setChecked(true);
        zvtest::Kind<QAction>(&f, "mnuRechentabellen")->setChecked(true);
        zvtest::Kind<QPushButton>(&f, "cmdCalculate")->click();

        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        PdfEinrichten(drucker, ordner.filePath("b.pdf"));
        QCOMPARE(f.AusgabeDrucken(drucker), Druckausgang::Abgebrochen);
        QVERIFY2(fragen.value(0).startsWith("Ausgabe drucken|Der Bericht umfasst ") &&
                     fragen[0].endsWith("Wirklich drucken?"),
                 qPrintable(fragen.value(0)));
        QVERIFY(!QFile::exists(ordner.filePath("b.pdf")) && dialoge.Meldungen.isEmpty());
        QCOMPARE(f.AusgabeDrucken(drucker), Druckausgang::Fertig);
        const int seiten = fragen.value(1).section("umfasst ", 1).section(' ', 0, 0).toInt();
        QVERIFY(seiten > Seitengrenze);
        QCOMPARE(PdfSeiten(ordner.filePath("b.pdf")), seiten);
        QVERIFY(dialoge.Meldungen.isEmpty());

        // The preview is asked about alike and, once it has made its pages, holds as many; cut
        // short, it shows (and draws) the pages made so far and says so.
        int gezeigt = -1;
        bool abbrechen = false;
        QTimer warten;
        connect(&warten, &QTimer::timeout, [&] {
            for (QWidget* fenster : QApplication::topLevelWidgets()) {
                auto* vorschau = qobject_cast<QPrintPreviewDialog*>(fenster);
                auto* ansicht = vorschau ? vorschau->findChild<QPrintPreviewWidget*>() : nullptr;
                auto* fortschritt = vorschau ? vorschau->findChild<QProgressDialog*>() : nullptr;
                if (abbrechen && fortschritt != nullptr && fortschritt->value() > 2)
                    fortschritt->cancel();
                if (ansicht == nullptr || !vorschau->isVisible() || ansicht->pageCount() == 0)
                    continue;
                gezeigt = ansicht->pageCount();
                vorschau->grab();
                vorschau->reject();
            }
        });
        warten.start(20);
        zvtest::Kind<QAction>(&f, "mnuVorschau")->trigger();
        QVERIFY(fragen.value(2).startsWith("Druckvorschau|Der Bericht umfasst "));
        QCOMPARE(gezeigt, seiten);
        abbrechen = true;
        zvtest::Kind<QAction>(&f, "mnuVorschau")->trigger();
        QVERIFY2(gezeigt > 0 && gezeigt < seiten, qPrintable(QString::number(gezeigt)));
        QVERIFY(dialoge.Meldungen.value(0).startsWith("Nach ") &&
                dialoge.Meldungen[0].contains("|Druckvorschau|"));
        dialoge.Meldungen.clear();

        PdfEinrichten(drucker, ordner.filePath("fehlt/b.pdf"));
        QCOMPARE(f.AusgabeDrucken(drucker), Druckausgang::Fehlgeschlagen);
        QVERIFY(dialoge.Meldungen.value(0).contains("nicht gedruckt werden") &&
                dialoge.Meldungen[0].contains("fehlt"));
        zvtest::Kind<QRadioButton>(&f, "optMaterial_0")->click();
        QCOMPARE(f.AusgabeDrucken(drucker), Druckausgang::Fehlgeschlagen);
        QVERIFY(dialoge.Meldungen.last().contains("leer"));
    }
};

QTEST_MAIN(TestDrucken)
#include "test_drucken.moc"

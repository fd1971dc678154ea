// The practice window opened from the main window's Extras menu, headless: rows, marks,
// mistakes, score, solution, "Neue Aufgabe", and data that give no task.

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include "Fenstertest.h"
#include "run/Statistiken.h"
#include "ui/frmStatistik.h"
#include "ui/frmUebung.h"

class TestUebung : public QObject {
    Q_OBJECT

    zvtest::Testdialoge dialoge_;
    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(const QString& name) {
        return zvtest::Kind<T>(f_.get(), name);
    }
    void Daten(const QString& m1, const QStringList& eintraege) {
        K<QRadioButton>("optMaterial_0")->setChecked(true);
        K<QLineEdit>("txtM1")->setText(m1);
        K<QLineEdit>("txtNks")->setText("3");
        auto* liste = K<QListWidget>("lstSelection");
        for (int i = 0; i < liste->count(); ++i)
            liste->item(i)->setSelected(eintraege.contains(liste->item(i)->text()));
    }
    frmUebung* Oeffnen() {
        K<QAction>("mnuUebung")->trigger();
        auto* u = f_->findChild<frmUebung*>();
        if (u == nullptr || !QTest::qWaitForWindowExposed(u)) qFatal("no practice window");
        return u;
    }
    // The row labels, in the order the window shows them.
    static QStringList Beschriftungen(frmUebung* u) {
        QStringList namen;
        for (int i = 0; auto* l = u->findChild<QLabel*>(QStringLiteral("lblName_%1").arg(i)); ++i)
            namen << l->text();
        return namen;
    }
    static void Tippen(frmUebung* u, int zeile, const QString& text) {
        auto* feld = zvtest::Kind<QLineEdit>(u, QStringLiteral("txtAntwort_%1").arg(zeile));
        feld->clear();
        QTest::keyClicks(feld, text);
    }
    static QString Von(frmUebung* u, const char* art, int zeile) {
        return zvtest::Kind<QLabel>(u, QStringLiteral("%1_%2").arg(art).arg(zeile))->text();
    }

  private slots:
    void initTestCase() { qputenv("LC_ALL", "C"); }

    void init() {
        dialoge_ = zvtest::Testdialoge();
        frmStatistik::Dienste dienste;
        dienste.Dialoge = &dialoge_;
        f_ = std::make_unique<frmStatistik>(dienste);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
    }
    void cleanup() { f_.reset(); }

    // Median 4.5 of the sorted list, mean 5, s²x = 32 / 8 = 4: marked as typed, with the
    // n − 1 mistake named, and only a wrong answer offers its solution.
    void markiertDieAntworten() {
        Daten("7 4 2 4 5 4 9 5", {"Median", "Arithmetisches Mittel", "Spannweite",
                                  "Mittlere quadratische Abweichung"});
        frmUebung* u = Oeffnen();
        QVERIFY(!u->frameGeometry().intersects(f_->frameGeometry()));
        QCOMPARE(Beschriftungen(u), (QStringList{"Median:", "Mittelwert:", "SP:", "s²x:"}));

        Tippen(u, 0, "6");
        Tippen(u, 1, "5");
        Tippen(u, 3, "4.571");
        QTest::mouseClick(K<QPushButton>("cmdPruefen"), Qt::LeftButton);
        QStringList noten;
        for (int i = 0; i < 4; ++i) noten << Von(u, "lblNote", i);
        QCOMPARE(noten, (QStringList{"falsch", "richtig", "fehlt", "falsch"}));
        QVERIFY2(Von(u, "lblSatz", 3).contains(QStringLiteral("n − 1 = 7")),
                 qPrintable(Von(u, "lblSatz", 3)));
        QVERIFY(Von(u, "lblSatz", 1).isEmpty());
        QCOMPARE(K<QLabel>("lblErgebnis")->text(), QStringLiteral("1 von 4 richtig"));

        QVERIFY(!K<QPushButton>("cmdLoesungsweg_1")->isEnabled());
        QVERIFY(!K<QPushButton>("cmdLoesungsweg_2")->isEnabled());
        QTest::mouseClick(K<QPushButton>("cmdLoesungsweg_0"), Qt::LeftButton);
        const QString weg = K<QPlainTextEdit>("txtLoesungsweg")->toPlainText();
        const zv::Statistik* median = zv::StatistikZuText("Median");
        QVERIFY(weg.startsWith(
            QString::fromUtf8(median->Titel.data(), static_cast<qsizetype>(median->Titel.size()))));
        // The steps sort the list before the result.
        QVERIFY2(
            weg.contains("2  4  4  4  5  5  7  9") && weg.contains("4.5") && !weg.contains("\r"),
            qPrintable(weg));

        // The task follows the list and the boxes: rows come and go, typed answers stay.
        K<QListWidget>("lstSelection")
            ->findItems("Spannweite", Qt::MatchExactly)[0]
            ->setSelected(false);
        K<QLineEdit>("txtM1")->setText("7 4 2 4 5 4 9 5 5");
        QTest::mouseClick(K<QPushButton>("cmdPruefen"), Qt::LeftButton);
        QCOMPARE(Beschriftungen(u), (QStringList{"Median:", "Mittelwert:", "s²x:"}));
        QCOMPARE(K<QLineEdit>("txtAntwort_2")->text(), QStringLiteral("4.571"));
        QCOMPARE(Von(u, "lblNote", 2), QStringLiteral("falsch"));
        QCOMPARE(K<QLabel>("lblErgebnis")->text(), QStringLiteral("1 von 3 richtig"));
    }

    // Fresh data with the count last asked for, as one edit Ctrl+Z takes back; answers,
    // marks and score go.
    void neueAufgabe() {
        Daten("1 2 3", {"Arithmetisches Mittel"});
        dialoge_.Antworten = QStringList{"6"};
        K<QAction>("mnuZufallsgenerator")->trigger();
        K<QLineEdit>("txtM1")->setText("1 2 3");
        frmUebung* u = Oeffnen();
        Tippen(u, 0, "2");
        QTest::mouseClick(K<QPushButton>("cmdPruefen"), Qt::LeftButton);
        QCOMPARE(Von(u, "lblNote", 0), QStringLiteral("richtig"));

        QTest::mouseClick(K<QPushButton>("cmdNeueAufgabe"), Qt::LeftButton);
        auto* m1 = K<QLineEdit>("txtM1");
        QCOMPARE(m1->text().split(' ', Qt::SkipEmptyParts).size(), 6);
        QVERIFY(K<QLineEdit>("txtAntwort_0")->text().isEmpty());
        QVERIFY(Von(u, "lblNote", 0).isEmpty() && K<QLabel>("lblErgebnis")->text().isEmpty());
        m1->undo();
        QCOMPARE(m1->text(), QStringLiteral("1 2 3"));
    }

    // Data that give no task show the run's line and no rows; an entry without a result
    // for the data says why.
    void ohneAufgabe() {
        const QStringList faelle[] = {{"1 x 3", "Median", "lblAbbruch"},
                                      {"0 2 8", "Geometrisches Mittel", "lblOhne"}};
        for (const QStringList& fall : faelle) {
            Daten(fall[0], {fall[1]});
            frmUebung* u = Oeffnen();
            QTest::mouseClick(K<QPushButton>("cmdPruefen"), Qt::LeftButton);
            QVERIFY2(!zvtest::Kind<QLabel>(u, fall[2])->text().isEmpty(), qPrintable(fall[0]));
            QVERIFY(u->findChild<QLineEdit*>("txtAntwort_0") == nullptr);
            QVERIFY(K<QLabel>("lblErgebnis")->text().isEmpty());
        }
    }

    // Extras "Übungsblätter...": the dialog is offered the last values chosen and the selected
    // entries; the print dialog gets A4 and the sheets with their key; no entry and a file that
    // cannot be written are told, and Cancel prints nothing.
    void blaetterDrucken() {
        QTemporaryDir ordner;
        QStringList vorschlaege, titel;
        std::optional<Blattangaben> antwort;
        QString ziel;
        frmStatistik::Dienste dienste;
        dienste.Dialoge = &dialoge_;
        dienste.Blattdialog = [&](const Blattangaben& v, const QString& aufgaben) {
            vorschlaege << QStringLiteral("%1 %2 %3 %4")
                               .arg(v.Blaetter)
                               .arg(v.Startwert)
                               .arg(v.Werte)
                               .arg(aufgaben);
            return antwort;
        };
        dienste.Druckdialog = [&](QPrinter& drucker, const QString& t) {
            titel << t;
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(ziel);
            return drucker.pageLayout().pageSize().id() == QPageSize::A4;
        };
        f_ = std::make_unique<frmStatistik>(dienste);
        f_->show();
        const auto seiten = [](const QString& pfad) {
            QFile datei(pfad);
            if (!datei.open(QIODevice::ReadOnly)) return -1;
            static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
            return static_cast<int>(QString::fromLatin1(datei.readAll()).count(seite));
        };

        Daten("1 2 3", {});
        K<QAction>("mnuBlaetter")->trigger();
        QVERIFY(vorschlaege.isEmpty() && dialoge_.Meldungen.value(0).contains("mindestens einen"));

        Daten("1 2 3", {"Median", "Modus"});
        K<QAction>("mnuBlaetter")->trigger();  // Cancel
        antwort = Blattangaben{3, 77, 5};
        ziel = ordner.filePath("b.pdf");
        K<QAction>("mnuBlaetter")->trigger();
        QVERIFY2(
            vorschlaege.value(0).startsWith("30 2") && vorschlaege[0].endsWith(" 10 Modus, Median"),
            qPrintable(vorschlaege.value(0)));
        QCOMPARE(vorschlaege.value(1), vorschlaege[0]);
        QCOMPARE(titel, QStringList{"Übungsblätter drucken"});
        QCOMPARE(seiten(ziel), 6);  // three sheets, then three pages of the key
        QCOMPARE(dialoge_.Meldungen.size(), 1);

        ziel = ordner.filePath("fehlt/b.pdf");
        K<QAction>("mnuBlaetter")->trigger();
        QCOMPARE(vorschlaege.value(2), "3 77 5 Modus, Median");
        QVERIFY2(dialoge_.Meldungen.value(1).contains("nicht gedruckt") &&
                     dialoge_.Meldungen[1].contains("fehlt"),
                 qPrintable(dialoge_.Meldungen.value(1)));
        QCOMPARE(titel.size(), 2);
    }

    // The dialog itself: "Drucken..." only for a start value of 0 to 4294967295, and the
    // values as set.
    void blattdialog() {
        std::optional<Blattangaben> gewaehlt;
        // A failed check leaves the dialog by Cancel, so that the test ends.
        const auto bedienen = [](QDialog* d) {
            auto* start = zvtest::Kind<QLineEdit>(d, "txtStartwert");
            auto* drucken = zvtest::Kind<QPushButton>(d, "cmdDrucken");
            QCOMPARE(start->text(), "12");
            for (const auto& [text, gilt] :
                 {std::pair{"4294967296", false}, {"", false}, {"4294967295", true}, {"0", true}}) {
                start->setText(text);
                QVERIFY2(drucken->isEnabled() == gilt, text);
            }
            zvtest::Kind<QSpinBox>(d, "spnBlaetter")->setValue(501);
            zvtest::Kind<QSpinBox>(d, "spnWerte")->setValue(7);
            start->setText("0042");
            QTest::keyClick(start, Qt::Key_Return);  // "Drucken..." is the default
        };
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (d == nullptr) return;
            bedienen(d);
            if (d->isVisible()) d->reject();
        });
        gewaehlt = BlattangabenErfragen(f_.get(), Blattangaben{30, 12, 10}, "Median");
        QVERIFY(gewaehlt.has_value());
        QCOMPARE(gewaehlt->Blaetter, 500);
        QCOMPARE(gewaehlt->Startwert, 42u);
        QCOMPARE(gewaehlt->Werte, 7);
    }
};

QTEST_MAIN(TestUebung)
#include "test_uebung.moc"

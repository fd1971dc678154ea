// Data into the window and out of it: a data file opened, two pasted columns split, undo after
// the random generator, saving only what exists. The whole run has an empty home folder of
// its own, which must still be empty at the end: nothing is saved in these sessions.

#include <QtTest>
#include <QtWidgets>
#include <cstdio>

#include "Fenstertest.h"
#include "ui/QtDialoge.h"
#include "ui/Uebersetzung.h"
#include "ui/frmStatistik.h"

class TestDaten : public QObject {
    Q_OBJECT

    zvtest::Testdialoge dialoge_;
    QTemporaryDir ordner_;
    QString datei_;          // what the open dialog answers
    QStringList angeboten_;  // the folders it offered
    std::optional<std::vector<int>> spaltenwahl_;
    QStringList gefragt_;  // the column choices asked: text|fields|columns|proposal|none allowed
    bool ja_ = false;      // the answer to a yes-or-no question
    int rueckfragen_ = 0, speichern_ = 0;
    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(const QString& name) {
        return zvtest::Kind<T>(f_.get(), name);
    }
    QLineEdit* M1() { return K<QLineEdit>("txtM1"); }
    QLineEdit* M2() { return K<QLineEdit>("txtM2"); }
    QString Werte() { return M1()->text() + "/" + M2()->text(); }

    // A new window under the locale (LC_ALL) given, in the data mode given.
    void Neu(bool zwei, const char* locale = "C") {
        f_.reset();
        qputenv("LC_ALL", locale);
        dialoge_ = zvtest::Testdialoge();
        gefragt_.clear();
        rueckfragen_ = 0;
        frmStatistik::Dienste d;
        d.Dialoge = &dialoge_;
        d.Speicherdialog = [this](const QString&) { return ++speichern_, QString(); };
        d.Oeffnendialog = [this](const QString& ordner) { return angeboten_ << ordner, datei_; };
        d.Spaltenwahl = [this](const QString& text, const QStringList& felder,
                               const QStringList& spalten, const std::vector<int>& vorschlag,
                               bool keine) {
            QStringList v;
            for (const int i : vorschlag) v << QString::number(i);
            gefragt_ << QStringList{text, felder.join(','), spalten.join(','), v.join(','),
                                    QString::number(keine)}
                            .join('|');
            return spaltenwahl_;
        };
        d.Rueckfrage = [this](const QString&, const QString&) { return ++rueckfragen_, ja_; };
        f_ = std::make_unique<frmStatistik>(d);
        f_->show();
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
        if (zwei) K<QAbstractButton>("optMaterial_1")->click();
    }

  private slots:
    void initTestCase() {
        QVERIFY(QtUebersetzungLaden(*QCoreApplication::instance()));
        QVERIFY(ordner_.isValid());
    }

    // The generator's lists replace the typed ones; Ctrl+Z in each box brings its list back,
    // Ctrl+Shift+Z the generated one. At start-up there is nothing to take back.
    void rueckgaengigNachZufallsgenerator() {
        Neu(true);
        QVERIFY(!M1()->isUndoAvailable() && !M2()->isUndoAvailable());
        M1()->setText(QStringLiteral("1 2 3"));
        M2()->setText(QStringLiteral("4 5 6"));
        dialoge_.Antworten = QStringList{"5"};
        K<QAction>("mnuZufallsgenerator")->trigger();
        const QString neu = Werte();
        QVERIFY2(neu.count(' ') == 8 && neu != "1 2 3/4 5 6", qPrintable(neu));
        for (QLineEdit* feld : {M1(), M2()}) {
            feld->setFocus();
            QTest::keyClick(feld, Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(Werte(), QStringLiteral("1 2 3/4 5 6"));
        QTest::keyClick(M2(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(M2()->text(), neu.section('/', 1));
    }

    // Saving and printing are offered once the output box holds a report or a note.
    void speichernErstMitBericht() {
        Neu(false);
        const auto an = [this] {
            return K<QAction>("mnuSave")->isEnabled() + K<QAction>("mnuPrint")->isEnabled();
        };
        QCOMPARE(an(), 0);
        K<QListWidget>("lstSelection")->item(0)->setSelected(true);
        K<QAbstractButton>("cmdCalculate")->click();
        QCOMPARE(an(), 2);
        QTest::keyClick(f_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(speichern_, 1);
        K<QAbstractButton>("optMaterial_1")->click();  // empties the output box
        QCOMPARE(an(), 0);
        QTest::keyClicks(K("txtAusgabe"), QStringLiteral("Notiz"));
        QCOMPARE(an(), 2);
    }

    // A data file fills the boxes with its numbers, written with the locale's decimal sign and
    // the chosen separator; the column choice is asked where the columns do not match the
    // boxes; a file that cannot be taken changes nothing.
    void datenOeffnen() {
        struct Fall {
            const char *Name, *Locale;
            bool Zwei;
            int Trenner;
            QByteArray Inhalt;
            std::optional<std::vector<int>> Wahl;  // the answer to the column choice
            QString Werte, Gefragt, Meldung;       // the boxes afterwards, as "M1/M2"
        };
        // clang-format off
        const Fall faelle[] = {
            {"kopf.csv", "C", false, 0, "Größe\r\n1,5\r\n2,25\r\n-3\r\n", {}, "1.5 2.25 -3/6", "",
             ""},
            // The comma cannot separate decimal commas: the semicolon is chosen.
            {"komma.csv", "de_DE.UTF-8", true, 1, "x;y\n1.5;2\n3;4e-1\n", {}, "1,5;3/2;4e-1", "",
             "Die Werte haben ein Dezimalkomma, das Komma kann sie deshalb nicht trennen. Als "
             "Trennzeichen ist nun das Semikolon gewählt.|Daten öffnen|info"},
            {"drei.txt", "C", true, 3, "a\tb\tc\n1\t2\t3\n4\t5\t6\n7\t8\t9\n10\t11\t12\n",
             std::vector<int>{2, 0}, "3\t6\t9\t12/1\t4\t7\t10",
             "Die Datei „drei.txt“ hat 3 Spalten. Welche Spalten sollen in die beiden Felder "
             "übernommen werden?|Merkmal a&1:,Merkmal a&2:|Spalte 1: a (1; 4; 7; …),Spalte 2: "
             "b (2; 5; 8; …),Spalte 3: c (3; 6; 9; …)|0,1|1", ""},
            {"eine.csv", "C", true, 2, "7\n8\n", std::vector<int>{-1, 0}, "5/7;8",
             "Die Datei „eine.csv“ hat nur eine Spalte. In welches Feld sollen ihre Werte "
             "übernommen werden?|Merkmal a&1:,Merkmal a&2:|Spalte 1 (7; 8)|0,-1|1", ""},
            {"zwei.csv", "C", false, 0, "1;2\n3;4\n", {}, "5/6",
             "Die Datei „zwei.csv“ hat 2 Spalten. Welche Spalte soll in die Urliste übernommen "
             "werden?|&Urliste:|Spalte 1 (1; 3),Spalte 2 (2; 4)|0|0", ""},
            {"defekt.csv", "C", false, 0, "1\nx\n3\n", {}, "5/6", "",
             "Die Datei „defekt.csv“ wurde nicht übernommen, denn eine Zeile passt nicht:\r\n\r\n"
             "Zeile 2: „x“ – keine Zahl\r\n\r\nDie Eingabefelder bleiben, wie sie waren.\r\n"
             "|Daten öffnen|kritisch"},
        };
        // clang-format on
        for (const Fall& fall : faelle) {
            Neu(fall.Zwei, fall.Locale);
            K<QAbstractButton>(QStringLiteral("optSeparator_%1").arg(fall.Trenner))->click();
            M1()->setText(QStringLiteral("5"));
            M2()->setText(QStringLiteral("6"));
            QFile datei(datei_ = ordner_.filePath(fall.Name));
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(fall.Inhalt) > 0 &&
                    datei.flush());
            spaltenwahl_ = fall.Wahl;
            QTest::keyClick(f_.get(), Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(Werte(), fall.Werte);
            QCOMPARE(gefragt_.join('#'), fall.Gefragt);
            QCOMPARE(dialoge_.Meldungen.join('#'), fall.Meldung);
        }
        // The dialog starts in the home folder, then in the folder of the last file opened; a
        // file that is gone is named with the reason.
        QCOMPARE(angeboten_.last(), QDir::homePath());
        datei_ = ordner_.filePath("weg.csv");
        K<QAction>("mnuOeffnen")->trigger();
        QCOMPARE(angeboten_.last(), ordner_.path());
        QCOMPARE(dialoge_.Meldungen.last(),
                 "Die Datei konnte nicht geöffnet werden.\r\n\r\n" + datei_ +
                     "\r\nDie Datei gibt es nicht.|Daten öffnen|kritisch");
    }

    // Two spreadsheet columns pasted into a box of the two-dimensional mode are offered to be
    // split, as one edit that Ctrl+Z takes back; "Nein" pastes as usual, and in the
    // one-dimensional mode nobody asks.
    void zweiSpaltenEinfuegen() {
        const QString wieGewohnt = QStringLiteral("a1\ta2 1\t2 3,5\t4");
        // Data mode, answer, box pasted into, questions asked, boxes afterwards.
        const std::tuple<bool, bool, const char*, int, QString> faelle[] = {
            {true, true, "txtM1", 1, "1 3.5/2 4"},
            {true, true, "txtM2", 1, "1 3.5/2 4"},
            {true, false, "txtM1", 1, wieGewohnt + "/9"},
            {false, true, "txtM1", 0, wieGewohnt + "/9"}};
        for (const auto& [zwei, ja, feld, fragen, danach] : faelle) {
            Neu(zwei);
            M1()->clear();
            M2()->setText(QStringLiteral("9"));
            ja_ = ja;
            QGuiApplication::clipboard()->setText(QStringLiteral("a1\ta2\r\n1\t2\r\n3,5\t4\r\n"));
            K(feld)->setFocus();
            QTest::keyClick(K(feld), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(rueckfragen_, fragen);
            QCOMPARE(Werte(), danach);
            QTest::keyClick(M2(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(M2()->text(), "9");
        }
    }

    // The toolkit's file dialog itself, shown and cancelled: it must write nothing.
    void echterDateidialog() {
        Neu(false);
        QString titel;
        QTimer::singleShot(0, [&titel] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            titel = QApplication::activeModalWidget()->windowTitle();
            qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject();
        });
        QCOMPARE(Dateidialog(f_.get(), "Daten öffnen", ordner_.path(), "Daten (*.csv)", false),
                 QString());
        QCOMPARE(titel, "Daten öffnen");
    }
};

// The test runs with a home folder of its own, made empty; every file in it at the end was
// written by a session that saved nothing.
int main(int argc, char** argv) {
    const QTemporaryDir heim;
    if (!heim.isValid() || !qputenv("HOME", QFile::encodeName(heim.path()))) return 2;
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qunsetenv(v);
    int fehler = 0;
    {
        QApplication anwendung(argc, argv);
        TestDaten test;
        fehler = QTest::qExec(&test, argc, argv);
    }
    QDirIterator eintrag(heim.path(),
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    for (; eintrag.hasNext(); ++fehler)
        std::fprintf(stderr, "FAIL!  : written into the home folder: %s\n",
                     qPrintable(eintrag.next()));
    return fehler;
}

#include "test_daten.moc"

// Data into the window and out of it. The whole run has an empty home folder of
// its own, which must still be empty at the end: nothing is saved in these sessions.

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <cstdlib>

#include "ui/QtDialoge.h"
#include "ui/Uebersetzung.h"
#include "ui/frmStatistik.h"

namespace {

class Testdialoge : public zv::IDialoge {
  public:
    QStringList Antworten;
    QStringList Meldungen;  // text|symbol
    std::string Eingabe(const std::string&, const std::string&, const std::string&) override {
        return Antworten.isEmpty() ? std::string() : Antworten.takeFirst().toStdString();
    }
    void Meldung(const std::string& text, const std::string&, zv::Meldungssymbol symbol) override {
        Meldungen << QString::fromStdString(text) +
                         (symbol == zv::Meldungssymbol::Kritisch ? "|kritisch" : "|info");
    }
};

}  // namespace

class TestDaten : public QObject {
    Q_OBJECT

    Testdialoge dialoge_;
    QTemporaryDir ordner_;
    int speichern_ = 0;  // how often the save dialog was opened
    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(const QString& name) {
        T* w = f_->findChild<T*>(name);
        if (w == nullptr) qFatal("control %s missing", qPrintable(name));
        return w;
    }
    QLineEdit* M1() { return K<QLineEdit>("txtM1"); }
    QLineEdit* M2() { return K<QLineEdit>("txtM2"); }
    QString Werte() { return M1()->text() + "/" + M2()->text(); }
    QAbstractButton* Trenner(int i) {
        return K<QAbstractButton>(QStringLiteral("optSeparator_%1").arg(i));
    }

    // A new window under the locale (LC_ALL) given, in the data mode given.
    void Neu(bool zwei, const char* locale = "C") {
        f_.reset();
        qputenv("LC_ALL", locale);
        dialoge_ = Testdialoge();
        frmStatistik::Dienste d;
        d.Dialoge = &dialoge_;
        d.Speicherdialog = [this](const QString&) { return ++speichern_, QString(); };
        f_ = std::make_unique<frmStatistik>(d);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
        if (zwei) K<QAbstractButton>("optMaterial_1")->click();
    }

  private slots:
    void initTestCase() {
        QVERIFY(QtUebersetzungLaden(*QCoreApplication::instance()));
        QVERIFY(ordner_.isValid());
    }

    void cleanup() { f_.reset(); }

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
        QTest::keyClick(f_.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(speichern_, 0);
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
    char muster[] = "/tmp/zv-heim-XXXXXX";
    const char* heim = mkdtemp(muster);
    if (heim == nullptr) return 2;
    setenv("HOME", heim, 1);
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        unsetenv(v);
    int fehler = 0;
    {
        QApplication anwendung(argc, argv);
        TestDaten test;
        fehler = QTest::qExec(&test, argc, argv);
    }
    QDirIterator eintrag(QString::fromLocal8Bit(heim),
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    for (; eintrag.hasNext(); ++fehler)
        std::fprintf(stderr, "FAIL!  : written into the home folder: %s\n",
                     qPrintable(eintrag.next()));
    QDir(QString::fromLocal8Bit(heim)).removeRecursively();
    return fehler;
}

#include "test_daten.moc"

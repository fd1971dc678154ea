// What a screen reader finds in the program's windows, read through the accessibility
// interfaces as assistive technology reads them: every control that takes the focus has a name.

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include "charts/frmDiagramm.h"
#include "ui/frmHilfe.h"
#include "ui/frmStatistik.h"

namespace {

// Where a node sits, for the failure message: its object's class and name, and its role.
QString Beschreibung(QAccessibleInterface* knoten) {
    const QObject* o = knoten->object();
    const QString objekt =
        o ? QString::fromLatin1(o->metaObject()->className()) + " " + o->objectName() : "?";
    return objekt + " (Rolle " + QString::number(knoten->role()) + ")";
}

// Walks the shown nodes below a node: counts those that take the focus and lists the unnamed
// ones among them (a walk that finds nothing focusable must not pass unnoticed).
int Pruefen(QAccessibleInterface* knoten, QStringList& unbenannt) {
    if (knoten == nullptr || knoten->state().invisible) return 0;
    const bool fokus = knoten->state().focusable;
    if (fokus && knoten->text(QAccessible::Name).trimmed().isEmpty())
        unbenannt << Beschreibung(knoten);
    int n = fokus ? 1 : 0;
    for (int i = 0; i < knoten->childCount(); ++i) n += Pruefen(knoten->child(i), unbenannt);
    return n;
}

// The unnamed focusable controls of a window, joined for the failure message; fails the test
// when the window has fewer than mindestens focusable ones.
QString Unbenannte(QWidget* fenster, int mindestens) {
    QStringList unbenannt;
    const int fokussierbar = Pruefen(QAccessible::queryAccessibleInterface(fenster), unbenannt);
    if (fokussierbar < mindestens) unbenannt << QString("nur %1 fokussierbar").arg(fokussierbar);
    return unbenannt.join(QStringLiteral(", "));
}

QString Name(QWidget* w) {
    QAccessibleInterface* knoten = QAccessible::queryAccessibleInterface(w);
    return knoten ? knoten->text(QAccessible::Name) : QString();
}

}  // namespace

class TestZugaenglichkeit : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(QWidget* fenster, const QString& name) {
        T* w = fenster->findChild<T*>(name);
        if (w == nullptr) qFatal("control %s missing", qPrintable(name));
        return w;
    }
    void Modus(bool zwei) {
        K<QRadioButton>(f_.get(), zwei ? "optMaterial_1" : "optMaterial_0")->setChecked(true);
    }

  private slots:
    void init() {
        f_ = std::make_unique<frmStatistik>();
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
    }
    void cleanup() { f_.reset(); }

    // In both data modes every focusable control of the main window has a name; the boxes
    // with a label are named by it, the list and the output box by their own names.
    void hauptfenster_data() {
        QTest::addColumn<bool>("zwei");
        QTest::addColumn<QStringList>("namen");  // objectName=accessible name
        QTest::newRow("eindimensional")
            << false << QStringList{"txtM1=Urliste:",
                                    "txtNks=Nachkommastellen:",
                                    "lstSelection=Auswahl der Kennzahlen",
                                    "txtAusgabe=Ausgabe",
                                    "optMaterial_1=Zweidimensional",
                                    "cmdCalculate=Berechnen"};
        QTest::newRow("zweidimensional")
            << true
            << QStringList{
                   "txtM1=Merkmal a1:", "txtM2=Merkmal a2:", "lstSelection=Auswahl der Kennzahlen",
                   "txtAusgabe=Ausgabe", "chkDetail=Berechnungsschritte anzeigen"};
    }
    void hauptfenster() {
        QFETCH(bool, zwei);
        QFETCH(QStringList, namen);
        Modus(zwei);
        QCOMPARE(Unbenannte(f_.get(), 15), QString());
        for (const QString& paar : namen) {
            const QString objekt = paar.section('=', 0, 0), soll = paar.section('=', 1);
            QCOMPARE(Name(K(f_.get(), objekt)), soll);
        }
    }

    // The chart window of each mode, with every tab drawn once.
    void diagrammfenster_data() {
        QTest::addColumn<bool>("zwei");
        QTest::addColumn<QString>("m1");
        QTest::addColumn<QString>("m2");
        QTest::newRow("eindimensional") << false << "1 2 2 3"
                                        << "";
        QTest::newRow("zweidimensional") << true << "1 2 3 4"
                                         << "2 4 5 9";
    }
    void diagrammfenster() {
        QFETCH(bool, zwei);
        QFETCH(QString, m1);
        QFETCH(QString, m2);
        Modus(zwei);
        K<QLineEdit>(f_.get(), "txtM1")->setText(m1);
        K<QLineEdit>(f_.get(), "txtM2")->setText(m2);
        K<QAction>(f_.get(), "mnuDiagramm")->trigger();
        auto* d = f_->findChild<frmDiagramm*>();
        QVERIFY(d != nullptr && QTest::qWaitForWindowExposed(d));
        auto* tabs = d->findChild<QTabWidget*>();
        QVERIFY(tabs != nullptr);
        QCOMPARE(tabs->count(), zwei ? 2 : 1);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QVERIFY(d->AktuellesDiagramm() != nullptr);
            QTRY_VERIFY(d->AktuellesDiagramm()->isVisible());
            QCOMPARE(Unbenannte(d, 4), QString());
            QVERIFY(Name(d->AktuellesDiagramm()).contains(tabs->tabText(i)));
        }
        QCOMPARE(Name(K(d, "chkResiduen")), QStringLiteral("Residuen anzeigen"));
    }

    // The help window, on an entry and on none.
    void hilfefenster() {
        K<QAction>(f_.get(), "mnuHilfe")->trigger();
        auto* h = f_->findChild<frmHilfe*>();
        QVERIFY(h != nullptr && QTest::qWaitForWindowExposed(h));
        QCOMPARE(Unbenannte(h, 2), QString());
        K<QListWidget>(f_.get(), "lstSelection")->setCurrentRow(3);
        QVERIFY(h->Gezeigt() != nullptr);
        QCOMPARE(Unbenannte(h, 2), QString());
        QCOMPARE(Name(K(h, "txtHilfe")), QStringLiteral("Erklärung der Kennzahl"));
    }
};

QTEST_MAIN(TestZugaenglichkeit)
#include "test_zugaenglichkeit.moc"

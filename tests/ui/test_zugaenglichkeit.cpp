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
  private slots:
    void init() {
        f_ = std::make_unique<frmStatistik>();
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
    }
    void cleanup() { f_.reset(); }

    // Both modes of the main window, the chart window with both tabs drawn and the help window
    // on an entry: every focusable control is named; the list and the output box by their own
    // names, a box by its label.
    void jedesBedienelementBenannt() {
        QCOMPARE(Unbenannte(f_.get(), 15), QString());
        K<QRadioButton>(f_.get(), "optMaterial_1")->setChecked(true);
        QCOMPARE(Unbenannte(f_.get(), 15), QString());
        QCOMPARE(Name(K(f_.get(), "lstSelection")), QStringLiteral("Auswahl der Kennzahlen"));
        QCOMPARE(Name(K(f_.get(), "txtAusgabe")), QStringLiteral("Ausgabe"));
        QCOMPARE(Name(K(f_.get(), "txtM2")), QStringLiteral("Merkmal a2:"));

        K<QLineEdit>(f_.get(), "txtM1")->setText("1 2 3 4");
        K<QLineEdit>(f_.get(), "txtM2")->setText("2 4 5 9");
        K<QAction>(f_.get(), "mnuDiagramm")->trigger();
        auto* d = f_->findChild<frmDiagramm*>();
        QVERIFY(d != nullptr && QTest::qWaitForWindowExposed(d));
        auto* tabs = d->findChild<QTabWidget*>();
        for (int i = 0; i < 2; ++i) {
            tabs->setCurrentIndex(i);
            QTRY_VERIFY(d->AktuellesDiagramm() && d->AktuellesDiagramm()->isVisible());
            QCOMPARE(Unbenannte(d, 4), QString());
        }

        K<QAction>(f_.get(), "mnuHilfe")->trigger();
        auto* h = f_->findChild<frmHilfe*>();
        QVERIFY(h != nullptr && QTest::qWaitForWindowExposed(h));
        K<QListWidget>(f_.get(), "lstSelection")->setCurrentRow(3);
        QCOMPARE(Unbenannte(h, 2), QString());
    }
};

QTEST_MAIN(TestZugaenglichkeit)
#include "test_zugaenglichkeit.moc"

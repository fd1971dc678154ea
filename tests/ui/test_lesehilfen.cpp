// Reading comfort in the main window, headless: the output box's font zoomed by keys and wheel,
// the help window on the list's current entry, and what a screen reader finds in the windows,
// read through the accessibility interfaces: every control that takes the focus has a name.

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include "Fenstertest.h"
#include "charts/frmDiagramm.h"
#include "run/Statistiken.h"
#include "ui/frmHilfe.h"
#include "ui/frmStatistik.h"

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Walks the shown nodes below a node: counts those that take the focus and lists the unnamed
// ones among them (a walk that finds nothing focusable must not pass unnoticed).
int Pruefen(QAccessibleInterface* knoten, QStringList& unbenannt) {
    if (knoten == nullptr || knoten->state().invisible) return 0;
    const bool fokus = knoten->state().focusable;
    if (fokus && knoten->text(QAccessible::Name).trimmed().isEmpty())
        unbenannt << (knoten->object() ? knoten->object()->objectName() : QStringLiteral("?")) +
                         " (Rolle " + QString::number(knoten->role()) + ")";
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

class TestLesehilfen : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStatistik> f_;

    QPlainTextEdit* Ausgabe() { return zvtest::Kind<QPlainTextEdit>(f_.get(), "txtAusgabe"); }
    QListWidget* Liste() { return zvtest::Kind<QListWidget>(f_.get(), "lstSelection"); }
    double Punkte() { return Ausgabe()->font().pointSizeF(); }
    void Rad(int drehung, Qt::KeyboardModifiers tasten) {
        QWidget* flaeche = Ausgabe()->viewport();
        const QPointF mitte = QPointF(flaeche->rect().center());
        QWheelEvent rad(mitte, flaeche->mapToGlobal(mitte), QPoint(), QPoint(0, drehung),
                        Qt::NoButton, tasten, Qt::NoScrollPhase, false);
        QApplication::sendEvent(flaeche, &rad);
    }
    frmHilfe* Hilfe() { return f_->findChild<frmHilfe*>(); }
    QString Hilfetext() { return zvtest::Kind<QTextBrowser>(Hilfe(), "txtHilfe")->toPlainText(); }
    // The help shows the statistic's name and all of its help.
    void ZeigtHilfeZu(const zv::Statistik& s) {
        QCOMPARE(Hilfe()->Gezeigt(), &s);
        const QString text = Hilfetext();
        QVERIFY2(text.contains(Q(s.Bezeichnung.empty() ? s.Text : s.Bezeichnung)),
                 qPrintable(text));
        QVERIFY(text.contains(Q(s.Hilfe.Misst)));
        QVERIFY(text.contains(Q(s.Hilfe.Ablesen)));
        for (const QString& zeile : Q(s.Hilfe.Formel).split('\n'))
            QVERIFY2(text.contains(zeile), qPrintable(zeile));
    }

  private slots:
    void init() {
        f_ = std::make_unique<frmStatistik>();
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    }
    void cleanup() { f_.reset(); }

    // Each key steps the size, wherever the focus is in the window; the sizes stay inside their
    // bounds, Ctrl+0 brings back the starting size, and no key types into a box.
    void zoomMitTasten() {
        zvtest::Kind<QListWidget>(f_.get(), "lstSelection")->item(1)->setSelected(true);
        zvtest::Kind<QPushButton>(f_.get(), "cmdCalculate")->click();
        const QString vorher = f_->AusgabeText() +
                               zvtest::Kind<QLineEdit>(f_.get(), "txtM1")->text() +
                               zvtest::Kind<QLineEdit>(f_.get(), "txtNks")->text();
        QCOMPARE(Punkte(), 9.0);
        const struct {
            const char* fokus;
            Qt::Key taste;
            Qt::KeyboardModifiers zusatz;
            double nachEinem, nachVielen;
        } faelle[] = {{"txtAusgabe", Qt::Key_Plus, Qt::ControlModifier, 10, 40},
                      {"txtM1", Qt::Key_Equal, Qt::ControlModifier, 10, 40},
                      {"txtNks", Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, 8, 6}};
        for (const auto& f : faelle) {
            zvtest::Kind(f_.get(), f.fokus)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), f.taste, f.zusatz);
            QCOMPARE(Punkte(), f.nachEinem);
            for (int i = 0; i < 30; ++i)
                QTest::keyClick(QApplication::focusWidget(), f.taste, f.zusatz);
            QCOMPARE(Punkte(), f.nachVielen);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
            QCOMPARE(Punkte(), 9.0);
        }
        QCOMPARE(f_->AusgabeText() + zvtest::Kind<QLineEdit>(f_.get(), "txtM1")->text() +
                     zvtest::Kind<QLineEdit>(f_.get(), "txtNks")->text(),
                 vorher);
        QVERIFY(!Ausgabe()->document()->isModified());
    }

    // The wheel with Ctrl zooms, a notch a step, fractions of a notch adding up; without Ctrl it
    // scrolls and leaves the size.
    void zoomMitRad() {
        Rad(120, Qt::ControlModifier);
        QCOMPARE(Punkte(), 10.0);
        Rad(60, Qt::ControlModifier);
        QCOMPARE(Punkte(), 10.0);
        Rad(60, Qt::ControlModifier);
        QCOMPARE(Punkte(), 11.0);
        Rad(-360, Qt::ControlModifier);
        QCOMPARE(Punkte(), 8.0);
        Rad(-120, Qt::NoModifier);
        QCOMPARE(Punkte(), 8.0);
        QVERIFY(Ausgabe()->font().bold());
        QCOMPARE(Ausgabe()->font().family(), QStringLiteral("Courier New"));
    }

    // F1 opens one help window beside the main window, not modal; it shows how to choose an
    // entry until there is a current one, then follows every move in the list, in both modes.
    void hilfeFolgtDerListe() {
        QTest::qWait(1500);  // the main window holds its centred place for a second
        QTest::keyClick(f_.get(), Qt::Key_F1);
        QVERIFY(Hilfe() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Hilfe()));
        QVERIFY(!Hilfe()->isModal());
        QCOMPARE(Hilfe()->Gezeigt(), nullptr);
        QVERIFY(Hilfetext().contains(QStringLiteral("Wähle")));
        QVERIFY(!Hilfe()->frameGeometry().intersects(f_->frameGeometry()));

        for (const bool zwei : {false, true}) {
            zvtest::Kind<QRadioButton>(f_.get(), zwei ? "optMaterial_1" : "optMaterial_0")
                ->setChecked(true);
            QCOMPARE(Hilfe()->Gezeigt(), nullptr);
            Liste()->setFocus();
            // The first key goes to the first entry, unless the focus already made it current.
            if (Liste()->currentRow() < 0) QTest::keyClick(Liste(), Qt::Key_Down);
            const std::vector<std::string> eintraege = zv::ListenEintraege(zwei);
            for (std::size_t i = 0; i < eintraege.size(); ++i) {
                if (i > 0) QTest::keyClick(Liste(), Qt::Key_Down);
                QCOMPARE(Liste()->currentRow(), int(i));
                ZeigtHilfeZu(*zv::StatistikZuText(eintraege[i]));
            }
            // A click goes there too.
            QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                              Liste()->visualItemRect(Liste()->item(1)).center());
            ZeigtHilfeZu(*zv::StatistikZuText(eintraege[1]));
        }

        // F1 again brings up the same window.
        QTest::keyClick(f_.get(), Qt::Key_F1);
        QCOMPARE(f_->findChildren<frmHilfe*>().size(), 1);
    }
    // Both modes of the main window, the chart window with both tabs drawn and the help window
    // on an entry: every focusable control is named; the list and the output box by their own
    // names, a box by its label.
    void jedesBedienelementBenannt() {
        QCOMPARE(Unbenannte(f_.get(), 15), QString());
        zvtest::Kind<QRadioButton>(f_.get(), "optMaterial_1")->setChecked(true);
        QCOMPARE(Unbenannte(f_.get(), 15), QString());
        QCOMPARE(Name(zvtest::Kind(f_.get(), "lstSelection")),
                 QStringLiteral("Auswahl der Kennzahlen"));
        QCOMPARE(Name(zvtest::Kind(f_.get(), "txtAusgabe")), QStringLiteral("Ausgabe"));
        QCOMPARE(Name(zvtest::Kind(f_.get(), "txtM2")), QStringLiteral("Merkmal a2:"));

        zvtest::Kind<QLineEdit>(f_.get(), "txtM1")->setText("1 2 3 4");
        zvtest::Kind<QLineEdit>(f_.get(), "txtM2")->setText("2 4 5 9");
        zvtest::Kind<QAction>(f_.get(), "mnuDiagramm")->trigger();
        auto* d = f_->findChild<frmDiagramm*>();
        QVERIFY(d != nullptr && QTest::qWaitForWindowExposed(d));
        auto* tabs = d->findChild<QTabWidget*>();
        for (int i = 0; i < 2; ++i) {
            tabs->setCurrentIndex(i);
            QTRY_VERIFY(d->AktuellesDiagramm() && d->AktuellesDiagramm()->isVisible());
            QCOMPARE(Unbenannte(d, 4), QString());
        }

        zvtest::Kind<QAction>(f_.get(), "mnuHilfe")->trigger();
        auto* h = f_->findChild<frmHilfe*>();
        QVERIFY(h != nullptr && QTest::qWaitForWindowExposed(h));
        zvtest::Kind<QListWidget>(f_.get(), "lstSelection")->setCurrentRow(3);
        QCOMPARE(Unbenannte(h, 2), QString());
    }
};

QTEST_MAIN(TestLesehilfen)
#include "test_lesehilfen.moc"

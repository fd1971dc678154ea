// Reading comfort in the main window, headless: the output box's font zoomed by keys and wheel.

#include <QtTest>
#include <QtWidgets>

#include "ui/Schriftgrad.h"
#include "ui/frmStatistik.h"

class TestLesehilfen : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(QWidget* fenster, const QString& name) {
        T* w = fenster->findChild<T*>(name);
        if (w == nullptr) qFatal("control %s missing", qPrintable(name));
        return w;
    }
    QPlainTextEdit* Ausgabe() { return K<QPlainTextEdit>(f_.get(), "txtAusgabe"); }
    QListWidget* Liste() { return K<QListWidget>(f_.get(), "lstSelection"); }
    double Punkte() { return Ausgabe()->font().pointSizeF(); }
    void Rad(int drehung, Qt::KeyboardModifiers tasten) {
        QWidget* flaeche = Ausgabe()->viewport();
        const QPointF mitte = QPointF(flaeche->rect().center());
        QWheelEvent rad(mitte, flaeche->mapToGlobal(mitte), QPoint(), QPoint(0, drehung),
                        Qt::NoButton, tasten, Qt::NoScrollPhase, false);
        QApplication::sendEvent(flaeche, &rad);
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
    void zoomMitTasten_data() {
        QTest::addColumn<QString>("fokus");
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("zusatz");
        QTest::addColumn<double>("nachEinem");
        QTest::addColumn<double>("nachVielen");
        const int strg = Qt::ControlModifier,
                  ziffernblock = Qt::ControlModifier | Qt::KeypadModifier;
        QTest::newRow("plus") << "txtAusgabe" << int(Qt::Key_Plus) << strg << 10.0 << 40.0;
        QTest::newRow("gleich") << "txtM1" << int(Qt::Key_Equal) << strg << 10.0 << 40.0;
        QTest::newRow("plus Ziffernblock")
            << "lstSelection" << int(Qt::Key_Plus) << ziffernblock << 10.0 << 40.0;
        QTest::newRow("minus") << "txtNks" << int(Qt::Key_Minus) << strg << 8.0 << 6.0;
        QTest::newRow("minus Ziffernblock")
            << "txtAusgabe" << int(Qt::Key_Minus) << ziffernblock << 8.0 << 6.0;
    }
    void zoomMitTasten() {
        QFETCH(QString, fokus);
        QFETCH(int, taste);
        QFETCH(int, zusatz);
        QFETCH(double, nachEinem);
        QFETCH(double, nachVielen);
        K<QListWidget>(f_.get(), "lstSelection")->item(1)->setSelected(true);
        K<QPushButton>(f_.get(), "cmdCalculate")->click();
        const QString bericht = f_->AusgabeText();
        const QString eingaben =
            K<QLineEdit>(f_.get(), "txtM1")->text() + K<QLineEdit>(f_.get(), "txtNks")->text();
        const QFont vorher = Ausgabe()->font();
        QCOMPARE(vorher.pointSizeF(), 9.0);

        QWidget* ziel = K(f_.get(), fokus);
        ziel->setFocus();
        const auto druecken = [&] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(taste),
                            Qt::KeyboardModifiers(zusatz));
        };
        druecken();
        QCOMPARE(Punkte(), nachEinem);
        for (int i = 0; i < 30; ++i) druecken();
        QCOMPARE(Punkte(), nachVielen);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(Ausgabe()->font(), vorher);

        QCOMPARE(f_->AusgabeText(), bericht);
        QVERIFY(!Ausgabe()->document()->isModified());
        QCOMPARE(K<QLineEdit>(f_.get(), "txtM1")->text() + K<QLineEdit>(f_.get(), "txtNks")->text(),
                 eingaben);
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

    // The steps between the bounds, the same way up and down.
    void zoomStufen() {
        auto* grad = Ausgabe()->findChild<Schriftgrad*>();
        QVERIFY(grad != nullptr);
        QList<double> hinauf{grad->Punkte()};
        for (int i = 0; i < 20; ++i) {
            grad->Groesser();
            hinauf << grad->Punkte();
        }
        QList<double> hinab{grad->Punkte()};
        for (int i = 0; i < 20; ++i) {
            grad->Kleiner();
            hinab.prepend(grad->Punkte());
        }
        QCOMPARE(hinauf.mid(0, 13),
                 (QList<double>{9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40}));
        QCOMPARE(hinauf.last(), Schriftgrad::Groesster);
        QCOMPARE(hinab.first(), Schriftgrad::Kleinster);
        QCOMPARE(hinab.mid(hinab.indexOf(9.0), 13), hinauf.mid(0, 13));
        grad->Zuruecksetzen();
        QCOMPARE(Punkte(), 9.0);
    }
};

QTEST_MAIN(TestLesehilfen)
#include "test_lesehilfen.moc"

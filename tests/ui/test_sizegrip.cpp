// The size grip on a form and on containers that are not forms.

#include <QtTest>
#include <QtWidgets>

#include "sizegrip/SizeGrip.h"

namespace {

// Records the resize requests before handing them to the window system.
struct Testgriff : SizeGrip {
    using SizeGrip::SizeGrip;
    QList<QWindow*> Anfragen;
    void BeginSizing(QWindow* fenster) override {
        Anfragen << fenster;
        SizeGrip::BeginSizing(fenster);
    }
};

// A style whose scroll bars are 23 pixels wide, as after a change of the system settings.
struct BreiterStil : QProxyStyle {
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        return m == PM_ScrollBarExtent ? 23 : QProxyStyle::pixelMetric(m, o, w);
    }
};

QStringList Signale(const QSignalSpy& spion) {  // each signal's arguments, as text
    QStringList alle;
    for (const QVariantList& argumente : spion)
        alle << QVariant(argumente).toStringList().join(' ');
    return alle;
}

}  // namespace

class TestSizeGrip : public QObject {
    Q_OBJECT

    static int Balken(const QWidget* w) {
        return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }

  private slots:
    // In the corner and following it, behind its siblings; the sizes reported at the first
    // layout and once after each change. A grip in a form designer is only sized.
    void folgtDerEcke() {
        QWidget form;
        auto* nachbar = new QLabel(QStringLiteral("Nachbar"), &form);
        auto* griff = new SizeGrip(&form);  // created last: on top until it sends itself back
        auto* entwurf = new SizeGrip(&form);
        entwurf->setBenutzermodus(false);
        entwurf->move(20, 30);
        QSignalSpy geaendert(griff, &SizeGrip::ScrollbarSizeChanged);
        form.resize(300, 200);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.children().indexOf(griff) < form.children().indexOf(nachbar));
        const int e = Balken(griff);
        for (const QSize groesse : {QSize(300, 200), QSize(420, 150), QSize(250, 260)}) {
            form.resize(groesse);
            QTRY_COMPARE(griff->geometry(),
                         QRect(QPoint(groesse.width() - e, groesse.height() - e), QSize(e, e)));
        }
        QCOMPARE(entwurf->geometry(), QRect(20, 30, e, e));
        QVERIFY(griff->VScrollWidth() == e && griff->HScrollHeight() == e);
        BreiterStil stil;
        griff->setStyle(&stil);
        form.resize(300, 300);
        QTRY_COMPARE(griff->geometry(), QRect(277, 277, 23, 23));
        form.resize(310, 300);
        QTRY_COMPARE(griff->x(), 287);
        QCOMPARE(Signale(geaendert), QStringList({QString("%1 %1").arg(e), "23 23"}));
        griff->setStyle(nullptr);

        // Without AutoZOrder it stays on top. Writing the property is announced.
        QSignalSpy gemeldet(griff, &SizeGrip::EigenschaftGeaendert);
        griff->setAutoZOrder(false);
        QCOMPARE(Signale(gemeldet), QStringList{"AutoZOrder"});
        griff->raise();
        form.resize(260, 240);
        QTRY_COMPARE(griff->x(), 260 - e);
        QCOMPARE(form.children().last(), griff);
    }

    // On a form a left press starts the resize and no press raises MouseDown; on a frame or
    // an MDI area the grip is only sized and forwards the presses. Moves and releases are
    // raised everywhere (Button 1 left, 2 right, 4 middle; Shift 1, Ctrl 2, Alt 4).
    void maus() {
        for (int eltern : {0, 1, 2}) {
            QWidget form;
            QWidget* behaelter = &form;
            if (eltern) behaelter = eltern == 1 ? new QFrame(&form) : new QMdiArea(&form);
            if (eltern) behaelter->setGeometry(10, 10, 200, 150);
            auto* griff = new Testgriff(behaelter);
            griff->move(5, 7);
            QSignalSpy runter(griff, &SizeGrip::MouseDown), hoch(griff, &SizeGrip::MouseUp),
                bewegt(griff, &SizeGrip::MouseMove);
            form.resize(300, 200);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const int e = Balken(griff);
            QCOMPARE(griff->Formular(), eltern ? nullptr : &form);
            QTRY_COMPARE(griff->geometry(),
                         eltern ? QRect(5, 7, e, e) : QRect(300 - e, 200 - e, e, e));

            QTest::mousePress(griff, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                              {3, 4});
            QTest::mouseRelease(griff, Qt::LeftButton, {}, {3, 4});
            QTest::mousePress(griff, Qt::RightButton, Qt::AltModifier, {2, 2});
            QTest::mouseRelease(griff, Qt::RightButton, Qt::AltModifier, {2, 2});
            QMouseEvent zug(QEvent::MouseMove, QPointF(4, 4), griff->mapToGlobal(QPointF(4, 4)),
                            Qt::NoButton, Qt::LeftButton | Qt::MiddleButton, Qt::ShiftModifier);
            QApplication::sendEvent(griff, &zug);
            QCOMPARE(griff->Anfragen, eltern ? QList<QWindow*>() : QList{form.windowHandle()});
            QCOMPARE(Signale(runter), eltern ? QStringList({"1 3 3 4", "2 4 2 2"}) : QStringList());
            QCOMPARE(Signale(hoch), QStringList({"1 0 3 4", "2 4 2 2"}));
            QCOMPARE(Signale(bewegt), QStringList{"5 1 4 4"});
        }
    }
};

QTEST_MAIN(TestSizeGrip)
#include "test_sizegrip.moc"

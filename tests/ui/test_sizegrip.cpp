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

}  // namespace

class TestSizeGrip : public QObject {
    Q_OBJECT

    static int Balken(const QWidget* w) {
        return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }

  private slots:
    // In the corner and following it, behind its siblings; a new scroll bar width of the style
    // is taken up.
    void folgtDerEcke() {
        QWidget form;
        auto* nachbar = new QLabel(QStringLiteral("Nachbar"), &form);
        auto* griff = new SizeGrip(&form);  // created last: on top until it sends itself back
        form.resize(300, 200);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.children().indexOf(griff) < form.children().indexOf(nachbar));
        const int e = Balken(griff);
        QTRY_COMPARE(griff->geometry(), QRect(300 - e, 200 - e, e, e));
        // In step with each resize of the form, not only at some later event.
        for (const QSize groesse : {QSize(420, 150), QSize(250, 260)}) {
            form.resize(groesse);
            QCOMPARE(griff->geometry(),
                     QRect(QPoint(groesse.width() - e, groesse.height() - e), QSize(e, e)));
        }
        QVERIFY(griff->VScrollWidth() == e && griff->HScrollHeight() == e);
        BreiterStil stil;
        griff->setStyle(&stil);
        form.resize(300, 300);
        QTRY_COMPARE(griff->geometry(), QRect(277, 277, 23, 23));
        form.resize(310, 300);
        QTRY_COMPARE(griff->x(), 287);
        griff->setStyle(nullptr);
    }

    // On a form a left press asks the window system for a resize; on a frame the grip is only
    // sized and asks for nothing.
    void ziehen() {
        for (const bool imRahmen : {false, true}) {
            QWidget form;
            QWidget* behaelter = &form;
            if (imRahmen) behaelter = new QFrame(&form);
            if (imRahmen) behaelter->setGeometry(10, 10, 200, 150);
            auto* griff = new Testgriff(behaelter);
            griff->move(5, 7);
            form.resize(300, 200);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const int e = Balken(griff);
            QTRY_COMPARE(griff->geometry(),
                         imRahmen ? QRect(5, 7, e, e) : QRect(300 - e, 200 - e, e, e));
            QTest::mousePress(griff, Qt::RightButton, {}, {2, 2});
            QTest::mouseRelease(griff, Qt::RightButton, {}, {2, 2});
            QTest::mousePress(griff, Qt::LeftButton, {}, {3, 4});
            QTest::mouseRelease(griff, Qt::LeftButton, {}, {3, 4});
            QCOMPARE(griff->Anfragen, imRahmen ? QList<QWindow*>() : QList{form.windowHandle()});
        }
    }
};

QTEST_MAIN(TestSizeGrip)
#include "test_sizegrip.moc"

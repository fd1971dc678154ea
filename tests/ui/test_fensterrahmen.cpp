// The window under a real window manager, which puts its frame around the window only after
// the window is shown: the window ends up centred by its outer frame all the same.

#include <QtTest>
#include <QtWidgets>

#include "ui/frmStatistik.h"

class TestFensterrahmen : public QObject {
    Q_OBJECT

  private slots:
    void zentriertNachDemRahmen() {
        frmStatistik fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        // The window system's own view of the frame: the widget's copy of it can lag behind.
        QWindow* w = fenster.windowHandle();
        QTRY_VERIFY_WITH_TIMEOUT(!w->frameMargins().isNull(), 5000);
        const QRect schirm = fenster.screen()->geometry();
        const QSize aussen = w->frameGeometry().size();
        const QPoint mitte = schirm.topLeft() + QPoint((schirm.width() - aussen.width()) / 2,
                                                       (schirm.height() - aussen.height()) / 2);
        QTRY_COMPARE(w->framePosition(), mitte);
    }
};

QTEST_MAIN(TestFensterrahmen)
#include "test_fensterrahmen.moc"

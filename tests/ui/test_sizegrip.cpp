// The size grip on a form, on a container that is not a form, and its persisted property.

#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyle>
#include <QWindow>
#include <QtTest>

#include "sizegrip/SizeGrip.h"

namespace {

// Records the resize requests instead of only handing them to the window system.
class Testgriff : public SizeGrip {
  public:
    using SizeGrip::SizeGrip;
    QList<QWindow*> Anfragen;

  protected:
    void BeginSizing(QWindow* fenster) override {
        Anfragen << fenster;
        SizeGrip::BeginSizing(fenster);
    }
};

// A style whose scroll bars are 23 pixels wide, as after a change of the system settings.
class BreiterStil : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        return m == PM_ScrollBarExtent ? 23 : QProxyStyle::pixelMetric(m, o, w);
    }
};

int Balken(const QWidget* w) {
    return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace

class TestSizeGrip : public QObject {
    Q_OBJECT

  private slots:
    void folgtDerEckeDesFormulars() {
        QWidget form;
        form.resize(300, 200);
        auto* griff = new Testgriff(&form);
        QSignalSpy geaendert(griff, &SizeGrip::ScrollbarSizeChanged);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int e = Balken(griff);
        QCOMPARE(griff->Formular(), &form);
        QTRY_COMPARE(griff->geometry(), QRect(300 - e, 200 - e, e, e));
        QCOMPARE(griff->VScrollWidth(), e);
        QCOMPARE(griff->HScrollHeight(), e);
        QCOMPARE(geaendert.count(), 1);  // the first layout always reports the sizes
        QCOMPARE(geaendert.first(), (QList<QVariant>{e, e}));

        form.resize(420, 150);
        QTRY_COMPARE(griff->geometry(), QRect(420 - e, 150 - e, e, e));
        form.resize(250, 260);
        QTRY_COMPARE(griff->geometry(), QRect(250 - e, 260 - e, e, e));
        QCOMPARE(geaendert.count(), 1);

        // Other scroll-bar sizes: stored, applied and reported once.
        BreiterStil stil;
        griff->setStyle(&stil);
        form.resize(300, 300);
        QTRY_COMPARE(griff->geometry(), QRect(300 - 23, 300 - 23, 23, 23));
        QCOMPARE(geaendert.count(), 2);
        QCOMPARE(geaendert.last(), (QList<QVariant>{23, 23}));
        form.resize(310, 300);
        QTRY_COMPARE(griff->x(), 310 - 23);
        QCOMPARE(geaendert.count(), 2);
        griff->setStyle(nullptr);
    }

    void maustastenAufDemFormular() {
        QWidget form;
        form.resize(200, 200);
        auto* griff = new Testgriff(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy runter(griff, &SizeGrip::MouseDown);
        QSignalSpy hoch(griff, &SizeGrip::MouseUp);
        QSignalSpy bewegt(griff, &SizeGrip::MouseMove);
        const QPoint mitte(griff->width() / 2, griff->height() / 2);

        QTest::mousePress(griff, Qt::RightButton, {}, mitte);
        QTest::mouseRelease(griff, Qt::RightButton, {}, mitte);
        QTest::mouseMove(griff, mitte + QPoint(1, 1));
        QCOMPARE(runter.count(), 0);
        QVERIFY(griff->Anfragen.isEmpty());
        QCOMPARE(hoch.count(), 1);
        QCOMPARE(hoch.first().at(0).value<qint16>(), qint16(2));
        QTRY_VERIFY(bewegt.count() >= 1);

        QTest::mousePress(griff, Qt::LeftButton, {}, mitte);
        QCOMPARE(runter.count(), 0);
        QCOMPARE(griff->Anfragen, QList<QWindow*>{form.windowHandle()});
        QTest::mouseRelease(griff, Qt::LeftButton, {}, mitte);
    }

    void aufEinemBehaelter_data() {
        QTest::addColumn<bool>("mdi");
        QTest::newRow("Rahmen") << false;
        QTest::newRow("MDI") << true;
    }

    void aufEinemBehaelter() {
        QFETCH(bool, mdi);
        QWidget form;
        form.resize(300, 200);
        QWidget* behaelter = mdi ? static_cast<QWidget*>(new QMdiArea(&form))
                                 : static_cast<QWidget*>(new QFrame(&form));
        behaelter->setGeometry(10, 10, 200, 150);
        auto* griff = new Testgriff(behaelter);
        griff->move(5, 7);
        QSignalSpy runter(griff, &SizeGrip::MouseDown);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(griff->Formular() == nullptr);
        const int e = Balken(griff);
        QTRY_COMPARE(griff->geometry(), QRect(5, 7, e, e));  // sized only, not placed

        QTest::mousePress(griff, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                          QPoint(3, 4));
        QTest::mouseRelease(griff, Qt::LeftButton, {}, QPoint(3, 4));
        QTest::mousePress(griff, Qt::RightButton, Qt::AltModifier, QPoint(2, 2));
        QTest::mouseRelease(griff, Qt::RightButton, {}, QPoint(2, 2));
        QCOMPARE(runter.count(), 2);
        QCOMPARE(runter.at(0), (QList<QVariant>{QVariant::fromValue<qint16>(1),
                                                QVariant::fromValue<qint16>(3), 3.0f, 4.0f}));
        QCOMPARE(runter.at(1).at(0).value<qint16>(), qint16(2));
        QCOMPARE(runter.at(1).at(1).value<qint16>(), qint16(4));
        QVERIFY(griff->Anfragen.isEmpty());
    }

    void autoZOrder() {
        QWidget form;
        form.resize(200, 200);
        new QLabel(QStringLiteral("Nachbar"), &form);
        auto* griff = new Testgriff(&form);  // created last: on top until it sends itself back
        QCOMPARE(form.children().last(), static_cast<QObject*>(griff));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.children().first(), static_cast<QObject*>(griff));

        griff->setAutoZOrder(false);
        griff->raise();
        form.resize(260, 240);
        QTRY_COMPARE(griff->x(), 260 - Balken(griff));
        QCOMPARE(form.children().last(), static_cast<QObject*>(griff));
    }

    void eigenschaftGespeichert() {
        SizeGrip griff;
        QVERIFY(griff.AutoZOrder());
        QSignalSpy gemeldet(&griff, &SizeGrip::PropertyChanged);
        griff.setAutoZOrder(false);
        QCOMPARE(gemeldet.count(), 1);
        QCOMPARE(gemeldet.first().first().toString(), QStringLiteral("AutoZOrder"));

        Eigenschaftsbeutel beutel;
        griff.WriteProperties(beutel);
        QCOMPARE(beutel.Werte().value(QStringLiteral("AutoZOrder")), QVariant(false));
        SizeGrip geladen;
        geladen.ReadProperties(beutel);
        QVERIFY(!geladen.AutoZOrder());

        // The default is not stored and comes back as true.
        geladen.setAutoZOrder(true);
        geladen.WriteProperties(beutel);
        QVERIFY(beutel.Werte().isEmpty());
        griff.ReadProperties(beutel);
        QVERIFY(griff.AutoZOrder());
    }

    void entwurfsmodus() {
        QWidget form;
        form.resize(200, 200);
        auto* griff = new SizeGrip(&form);
        griff->setBenutzermodus(false);
        griff->move(20, 30);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int e = Balken(griff);
        form.resize(300, 300);
        QTRY_COMPARE(form.size(), QSize(300, 300));
        QCOMPARE(griff->geometry(), QRect(20, 30, e, e));
    }
};

QTEST_MAIN(TestSizeGrip)
#include "test_sizegrip.moc"

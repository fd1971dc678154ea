#include "sizegrip/SizeGrip.h"

#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWindow>

namespace {

const QString AutoZOrderName = QStringLiteral("AutoZOrder");

bool IstMdi(const QWidget* w) {
    if (qobject_cast<const QMdiArea*>(w)) return true;
    if (w->parentWidget() && qobject_cast<const QMdiArea*>(w->parentWidget())) return true;
    const auto* fenster = qobject_cast<const QMainWindow*>(w);
    return fenster && qobject_cast<const QMdiArea*>(fenster->centralWidget());
}

// A form: a top-level window, or the client area (central widget) of a main window;
// never a container of MDI child windows.
bool IstFormular(QWidget* w) {
    if (w == nullptr || IstMdi(w)) return false;
    if (w->isWindow()) return true;
    const auto* fenster = qobject_cast<const QMainWindow*>(w->parentWidget());
    return fenster && fenster->centralWidget() == w && !IstMdi(w->parentWidget());
}

qint16 Taste(Qt::MouseButtons tasten) {
    qint16 wert = 0;
    if (tasten & Qt::LeftButton) wert |= 1;
    if (tasten & Qt::RightButton) wert |= 2;
    if (tasten & Qt::MiddleButton) wert |= 4;
    return wert;
}

qint16 Umschalt(Qt::KeyboardModifiers mod) {
    qint16 wert = 0;
    if (mod & Qt::ShiftModifier) wert |= 1;
    if (mod & Qt::ControlModifier) wert |= 2;
    if (mod & Qt::AltModifier) wert |= 4;
    return wert;
}

}  // namespace

QVariant Eigenschaftsbeutel::Lesen(const QString& name, const QVariant& standard) const {
    return werte_.value(name, standard);
}

void Eigenschaftsbeutel::Schreiben(const QString& name, const QVariant& wert,
                                   const QVariant& standard) {
    if (wert == standard)
        werte_.remove(name);
    else
        werte_.insert(name, wert);
}

SizeGrip::SizeGrip(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // MouseMove is raised without a pressed button as well
    setCursor(Qt::SizeFDiagCursor);
    ElternteilPruefen();
}

void SizeGrip::setAutoZOrder(bool New_AutoZOrder) {
    autoZOrder_ = New_AutoZOrder;
    Q_EMIT EigenschaftGeaendert(AutoZOrderName);
}

void SizeGrip::EigenschaftenLesen(const Eigenschaftsbeutel& beutel) {
    autoZOrder_ = beutel.Lesen(AutoZOrderName, true).toBool();
    ElternteilPruefen();
}

void SizeGrip::EigenschaftenSchreiben(Eigenschaftsbeutel& beutel) const {
    beutel.Schreiben(AutoZOrderName, autoZOrder_, true);
}

void SizeGrip::setBenutzermodus(bool benutzermodus) {
    benutzermodus_ = benutzermodus;
    ElternteilPruefen();
    Anpassen();
}

void SizeGrip::ElternteilPruefen() {
    QWidget* neu = IstFormular(parentWidget()) ? parentWidget() : nullptr;
    if (eForm_) eForm_->removeEventFilter(this);
    eForm_ = neu;
    // The form's size changes reach the grip only at run time.
    if (eForm_ && benutzermodus_) eForm_->installEventFilter(this);
}

void SizeGrip::DoSize(QWindow* AnyHwnd) {
    BeginSizing(AnyHwnd);
}

void SizeGrip::BeginSizing(QWindow* fenster) {
    if (QWidget* greifer = QWidget::mouseGrabber()) greifer->releaseMouse();
    if (fenster) fenster->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
}

void SizeGrip::Anpassen() {
    if (imAnpassen_) return;
    imAnpassen_ = true;

    if (autoZOrder_ && parentWidget()) lower();  // behind the sibling controls

    QStyleOptionSlider balken;
    balken.initFrom(this);
    balken.orientation = Qt::Vertical;
    const int cx = style()->pixelMetric(QStyle::PM_ScrollBarExtent, &balken, this);
    balken.orientation = Qt::Horizontal;
    const int cy = style()->pixelMetric(QStyle::PM_ScrollBarExtent, &balken, this);
    bool geaendert = false;
    if (cx != vScrollWidth_ || cy != hScrollHeight_) {
        vScrollWidth_ = cx;
        hScrollHeight_ = cy;
        geaendert = true;
    }

    if (benutzermodus_ && eForm_)
        setGeometry(eForm_->width() - vScrollWidth_, eForm_->height() - hScrollHeight_,
                    vScrollWidth_, hScrollHeight_);
    else
        resize(vScrollWidth_, hScrollHeight_);

    if (!imZeichnen_) update();  // inside a paint event the painting follows anyway

    if (geaendert) Q_EMIT ScrollbarSizeChanged(vScrollWidth_, hScrollHeight_);
    imAnpassen_ = false;
}

bool SizeGrip::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange || e->type() == QEvent::Polish) ElternteilPruefen();
    return QWidget::event(e);
}

bool SizeGrip::eventFilter(QObject* beobachtet, QEvent* e) {
    if (beobachtet == eForm_ && e->type() == QEvent::Resize && benutzermodus_) Anpassen();
    return QWidget::eventFilter(beobachtet, e);
}

void SizeGrip::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Anpassen();
}

void SizeGrip::paintEvent(QPaintEvent*) {
    if (imZeichnen_) return;
    imZeichnen_ = true;
    Anpassen();
    QPainter maler(this);
    QStyleOptionSizeGrip griff;
    griff.initFrom(this);
    griff.corner = Qt::BottomRightCorner;
    style()->drawControl(QStyle::CE_SizeGrip, &griff, &maler, this);
    if (!benutzermodus_) maler.drawLine(0, 0, width() - 1, height() - 1);
    imZeichnen_ = false;
}

void SizeGrip::MausEreignis(QMouseEvent* e,
                            void (SizeGrip::*signal)(qint16, qint16, float, float)) {
    // A press or release names the one button; a move names all buttons held.
    const Qt::MouseButtons tasten =
        e->type() == QEvent::MouseMove ? e->buttons() : Qt::MouseButtons(e->button());
    const QPointF ort = e->position();
    Q_EMIT(this->*signal)
    (Taste(tasten), Umschalt(e->modifiers()), static_cast<float>(ort.x()),
     static_cast<float>(ort.y()));
}

void SizeGrip::mousePressEvent(QMouseEvent* e) {
    if (eForm_ == nullptr) {
        MausEreignis(e, &SizeGrip::MouseDown);
        return;
    }
    if (e->button() == Qt::LeftButton) BeginSizing(eForm_->window()->windowHandle());
}

void SizeGrip::mouseMoveEvent(QMouseEvent* e) {
    MausEreignis(e, &SizeGrip::MouseMove);
}

void SizeGrip::mouseReleaseEvent(QMouseEvent* e) {
    MausEreignis(e, &SizeGrip::MouseUp);
}

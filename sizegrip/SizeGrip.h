#pragma once
// A size grip that keeps itself in the bottom-right corner of its form, sized like the
// corner square where a vertical and a horizontal scroll bar would meet. A left press on it
// starts the window system's own resize of the form from its bottom-right corner.

#include <QVariant>
#include <QVariantMap>
#include <QWidget>

class QWindow;

// The container's storage of persisted control properties. A value equal to its default is
// not stored, so reading falls back to that default.
class Eigenschaftsbeutel {
  public:
    QVariant Lesen(const QString& name, const QVariant& standard) const;
    void Schreiben(const QString& name, const QVariant& wert, const QVariant& standard);
    const QVariantMap& Werte() const { return werte_; }

  private:
    QVariantMap werte_;
};

class SizeGrip : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AutoZOrder READ AutoZOrder WRITE setAutoZOrder)
    Q_PROPERTY(int HScrollHeight READ HScrollHeight)
    Q_PROPERTY(int VScrollWidth READ VScrollWidth)

  public:
    explicit SizeGrip(QWidget* parent = nullptr);

    // True: every layout pass sends the grip behind its sibling controls.
    bool AutoZOrder() const { return autoZOrder_; }
    void setAutoZOrder(bool New_AutoZOrder);

    // Scroll-bar sizes in pixels as last read from the style; 0 until the first layout.
    int HScrollHeight() const { return hScrollHeight_; }
    int VScrollWidth() const { return vScrollWidth_; }

    // Starts the window system's resize of the window from its bottom-right corner.
    void DoSize(QWindow* AnyHwnd);

    // Loading and saving of the persisted properties by the container.
    void EigenschaftenLesen(const Eigenschaftsbeutel& beutel);
    void EigenschaftenSchreiben(Eigenschaftsbeutel& beutel) const;

    // False while the grip sits in a form designer: it then only sizes itself and marks
    // its extent. True (at run time) by default.
    void setBenutzermodus(bool benutzermodus);
    bool Benutzermodus() const { return benutzermodus_; }

    // The form whose corner the grip keeps, or nullptr when the parent is not a form.
    QWidget* Formular() const { return eForm_; }

  Q_SIGNALS:
    // Button: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt. X, Y in pixels.
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void ScrollbarSizeChanged(int VScrollWidth, int HScrollHeight);
    // The container is told that a persisted property changed.
    void EigenschaftGeaendert(const QString& name);

  protected:
    // The system resize request; a test may watch it.
    virtual void BeginSizing(QWindow* fenster);

    bool event(QEvent* e) override;
    bool eventFilter(QObject* beobachtet, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    void ElternteilPruefen();
    void Anpassen();  // the layout pass: z-order, sizes, placement, repaint, event
    void MausEreignis(QMouseEvent* e, void (SizeGrip::*signal)(qint16, qint16, float, float));

    bool autoZOrder_ = true;
    int hScrollHeight_ = 0;
    int vScrollWidth_ = 0;
    QWidget* eForm_ = nullptr;
    bool benutzermodus_ = true;
    bool imAnpassen_ = false;
    bool imZeichnen_ = false;
};

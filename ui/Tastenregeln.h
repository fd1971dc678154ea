#pragma once
// Keyboard rules of the program's windows, beyond what the toolkit does by itself:
// - a key pressed with Alt, Ctrl or Meta held never types text into a text box (the editing
//   shortcuts such as Ctrl+V or Ctrl+Z keep working), so an Alt+letter that is no access key at
//   that moment changes nothing;
// - Enter or the keypad's Enter presses a focused push button, as Space does;
// - the access key of a label or frame that names a group of options moves the focus to the
//   option that is chosen and never changes the choice.

#include <QObject>

class QWidget;

class Tastenregeln : public QObject {
    Q_OBJECT

  public:
    explicit Tastenregeln(QObject* eltern = nullptr) : QObject(eltern) {}

    // Applies the rules to every text box, push button, option-group label and frame of the
    // window (the widget and all its descendants).
    void Anwenden(QWidget* fenster);

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
};

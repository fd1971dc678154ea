#pragma once
// The size of a text box's font, for reading comfort: Ctrl+Plus (also Ctrl+= on keyboards where
// "+" needs Shift) makes it larger, Ctrl+Minus smaller, Ctrl+0 brings back the size the box had
// when it was set up; anywhere in the box's window, and Ctrl with the mouse wheel over the box.
// The steps run from 6 to 40 points. Only the box's font changes, never its text; nothing is
// kept across runs.

#include <QObject>

class QPlainTextEdit;

class Schriftgrad : public QObject {
    Q_OBJECT

  public:
    static constexpr double Kleinster = 6;
    static constexpr double Groesster = 40;

    // Zooms the font of feld; its shortcuts act while feld's window is active. feld is the
    // parent, so it lives as long as the box.
    explicit Schriftgrad(QPlainTextEdit* feld);

    void Groesser();
    void Kleiner();
    void Zuruecksetzen();
    // The box's point size now.
    double Punkte() const;

  protected:
    bool eventFilter(QObject* beobachtet, QEvent* e) override;

  private:
    void Setzen(double punkte);

    QPlainTextEdit* feld_;
    double anfang_;
    // The wheel's turn not yet used up: high-resolution wheels send fractions of a notch.
    int radRest_ = 0;
};

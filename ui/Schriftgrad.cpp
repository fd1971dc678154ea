#include "ui/Schriftgrad.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>
#include <array>

namespace {

// The sizes a step goes to, as a text program offers them; a start size between two of them is
// left for the next one up or down.
constexpr std::array<double, 16> kStufen = {6,  7,  8,  9,  10, 11, 12, 14,
                                            16, 18, 20, 24, 28, 32, 36, 40};
static_assert(kStufen.front() == Schriftgrad::Kleinster &&
              kStufen.back() == Schriftgrad::Groesster);

// A notch of a common mouse wheel, in eighths of a degree.
constexpr int Raste = 120;

}  // namespace

Schriftgrad::Schriftgrad(QPlainTextEdit* feld)
    : QObject(feld), feld_(feld), anfang_(feld->font().pointSizeF()) {
    QWidget* fenster = feld->window();
    const auto taste = [this, fenster](QKeySequence folge, void (Schriftgrad::*tun)()) {
        auto* kurz = new QShortcut(folge, fenster);
        connect(kurz, &QShortcut::activated, this, tun);
    };
    taste(QKeySequence(Qt::CTRL | Qt::Key_Plus), &Schriftgrad::Groesser);
    taste(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Schriftgrad::Groesser);
    taste(QKeySequence(Qt::CTRL | Qt::Key_Minus), &Schriftgrad::Kleiner);
    taste(QKeySequence(Qt::CTRL | Qt::Key_0), &Schriftgrad::Zuruecksetzen);
    feld->viewport()->installEventFilter(this);
}

double Schriftgrad::Punkte() const {
    return feld_->font().pointSizeF();
}

void Schriftgrad::Groesser() {
    const double jetzt = Punkte();
    const auto naechste = std::find_if(kStufen.begin(), kStufen.end(),
                                       [jetzt](double stufe) { return stufe > jetzt + 0.01; });
    if (naechste != kStufen.end()) Setzen(*naechste);
}

void Schriftgrad::Kleiner() {
    const double jetzt = Punkte();
    const auto naechste = std::find_if(kStufen.rbegin(), kStufen.rend(),
                                       [jetzt](double stufe) { return stufe < jetzt - 0.01; });
    if (naechste != kStufen.rend()) Setzen(*naechste);
}

void Schriftgrad::Zuruecksetzen() {
    Setzen(anfang_);
}

void Schriftgrad::Setzen(double punkte) {
    QFont schrift = feld_->font();
    if (schrift.pointSizeF() == punkte) return;
    schrift.setPointSizeF(std::clamp(punkte, Kleinster, Groesster));
    feld_->setFont(schrift);
}

bool Schriftgrad::eventFilter(QObject* beobachtet, QEvent* e) {
    if (e->type() != QEvent::Wheel) return QObject::eventFilter(beobachtet, e);
    auto* rad = static_cast<QWheelEvent*>(e);
    if (!(rad->modifiers() & Qt::ControlModifier)) {
        radRest_ = 0;
        return false;
    }
    // Turned away from the reader: larger, as in other programs.
    radRest_ += rad->angleDelta().y();
    for (; radRest_ >= Raste; radRest_ -= Raste) Groesser();
    for (; radRest_ <= -Raste; radRest_ += Raste) Kleiner();
    rad->accept();
    return true;
}

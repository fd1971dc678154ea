#pragma once
// The question of Extras "Übungsblätter...": how many sheets, the start value of their random
// data and the values per input box. The sheets themselves are laid out by uebung/Arbeitsblatt.h.

#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

struct Blattangaben {
    int Blaetter = 30;
    std::uint32_t Startwert = 0;
    int Werte = 10;
};

// Reads a start value as typed: digits only, 0 to 4294967295; nothing otherwise.
std::optional<std::uint32_t> StartwertLesen(const QString& text);

// Shows the dialog with the given values and the text that names the tasks; the values chosen,
// or nothing for Cancel. "&Drucken..." is greyed while the start value is no such number.
std::optional<Blattangaben> BlattangabenErfragen(QWidget* eltern, const Blattangaben& vorschlag,
                                                 const QString& aufgaben);

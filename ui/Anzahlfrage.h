#pragma once
// The question of the "&Zufallsgenerator" item: how many random values per box. The answer is
// checked here; the numbers themselves are made by run/Zufallsdaten.h.

#include <cstdint>
#include <string_view>

#include "ui/Dialoge.h"

namespace zv {

// What the answer of the count dialog asks for.
enum class Antwortart {
    Nichts,             // empty, blanks only or Cancel: no message, nothing changes
    NichtNumerisch,     // "Bitte nummerische Werte eingeben!"
    AusserhalbBereich,  // "Bitte eine Zahl zwischen 1 und 99 eingeben!"
    NeueAnzahl,         // take Anzahl and generate
};

struct Antwortpruefung {
    Antwortart Art = Antwortart::Nichts;
    std::int16_t Anzahl = 0;  // set for NeueAnzahl only
};

// Trims blanks, tests the answer with the locale's numeric test, reads its leading number
// ("." as decimal point), rounds halves to even and accepts 1..99. Any magnitude, however
// large, ends in the range message rather than an overflow.
Antwortpruefung AnzahlAntwortPruefen(std::string_view antwort, std::string_view dezimal);

// Asks for the count (prompt word "Ausprägungen" in the one-dimensional mode, else
// "Merkmale"; the current count preset), shows the message of a refused answer, and stores an
// accepted one in anzahl. True when new data are wanted.
bool AnzahlErfragen(bool eindimensional, std::int16_t& anzahl, std::string_view dezimal,
                    IDialoge& dialoge);

}  // namespace zv

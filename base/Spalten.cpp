#include "base/Spalten.h"

#include <algorithm>

#include "base/Laufzeitfehler.h"
#include "base/Text.h"

namespace zv {

namespace {

// Pads column i of the rows to the widest entry. Every row must have an entry i.
void SpalteAngleichen(std::size_t i, std::initializer_list<Zeile*> zeilen) {
    std::size_t breite = 0;
    for (Zeile* z : zeilen) breite = std::max(breite, Zeichenzahl((*z)[i]));
    for (Zeile* z : zeilen) {
        std::string& eintrag = (*z)[i];
        std::size_t laenge = Zeichenzahl(eintrag);
        if (laenge < breite) eintrag.insert(0, breite - laenge, ' ');
    }
}

// The three- and four-row forms go by the first row; a shorter later row fails at its first
// missing index, with the columns before it already padded.
void NachErsterZeileAngleichen(std::initializer_list<Zeile*> zeilen) {
    const std::size_t spalten = (*zeilen.begin())->size();
    for (std::size_t i = 0; i < spalten; ++i) {
        for (Zeile* z : zeilen)
            if (i >= z->size()) Wirf(Fehlerart::IndexAusserhalb);
        SpalteAngleichen(i, zeilen);
    }
}

}  // namespace

void SpaltenAngleichen2(Zeile& a, Zeile& b) {
    const std::size_t spalten = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < spalten; ++i) SpalteAngleichen(i, {&a, &b});
}

void SpaltenAngleichen3(Zeile& a, Zeile& b, Zeile& c) {
    NachErsterZeileAngleichen({&a, &b, &c});
}

void SpaltenAngleichen4(Zeile& a, Zeile& b, Zeile& c, Zeile& d) {
    NachErsterZeileAngleichen({&a, &b, &c, &d});
}

}  // namespace zv

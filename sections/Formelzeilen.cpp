#include "sections/Formelzeilen.h"

#include <algorithm>
#include <string>

#include "base/Text.h"

namespace zv {

namespace {

long long Breite(std::string_view text) {
    return static_cast<long long>(Zeichenzahl(text));
}

}  // namespace

void BruchZeilen(Laufkontext& k, std::string_view links, std::string_view zaehler,
                 std::string_view nenner, std::string_view rechts) {
    const long long einzug = Breite(links);
    const long long strich = std::max(Breite(zaehler), Breite(nenner)) + 2;
    // A half blank left over goes to the right of the centred text.
    k.Add(Leerzeichen(einzug + (strich - Breite(zaehler)) / 2) + std::string(zaehler));
    k.Add(std::string(links) + Striche(strich) + std::string(rechts));
    k.Add(Leerzeichen(einzug + (strich - Breite(nenner)) / 2) + std::string(nenner));
}

void WurzelZeilen(Laufkontext& k, std::string_view links, std::string_view index,
                  std::string_view radikand, std::string_view rechts) {
    // The index stands over the left stroke of the root sign, the bar runs from the blank
    // after the sign to the end of the radicand.
    k.Add(Leerzeichen(Breite(links)) + std::string(index) + "  " +
          std::string(static_cast<std::size_t>(Breite(radikand) + 1), '_'));
    k.Add(std::string(links) + Leerzeichen(Breite(index)) + "\\/ " + std::string(radikand) +
          std::string(rechts));
}

}  // namespace zv

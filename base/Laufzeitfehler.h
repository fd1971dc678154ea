#pragma once
// Run-time errors of a calculation. The run catches them and writes their description as
// one report line; nothing is shown in a dialog.

#include <exception>
#include <string>

namespace zv {

enum class Fehlerart {
    Typenunvertraeglich,  // a piece of input is not a number
    Ueberlauf,            // result out of range, 0 / 0, 16-bit counter exceeded
    DivisionDurchNull,    // x / 0 with x != 0
    IndexAusserhalb,      // index outside an array
    UngueltigesArgument,  // square root of a negative number, negative decimal places
};

// The report line for an error kind, UTF-8.
const char* Beschreibung(Fehlerart art) noexcept;

class Laufzeitfehler : public std::exception {
  public:
    explicit Laufzeitfehler(Fehlerart art) noexcept : art_(art) {}
    Fehlerart Art() const noexcept { return art_; }
    const char* what() const noexcept override { return Beschreibung(art_); }

  private:
    Fehlerart art_;
};

[[noreturn]] void Wirf(Fehlerart art);

}  // namespace zv

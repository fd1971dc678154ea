#pragma once
// The calculation run of "&Berechnen" without a window: turns the control states into the
// settings and the data set, writes the raw list and lets every selected statistic append its
// report section. The window and the command-line tool map their controls and options into
// Steuerzustand and show Laufergebnis.

#include <optional>
#include <string>
#include <vector>

#include "base/Laufzeitfehler.h"
#include "engine/clsStatistik.h"
#include "sections/Laufkontext.h"

namespace zv {

struct Listeneintrag {
    std::string Text;
    bool Ausgewaehlt = false;
};

// What the run reads from the window's controls.
struct Steuerzustand {
    std::string txtNks = "3";
    std::string txtM1;
    std::string txtM2;
    bool Zweidimensional = false;  // optMaterial(1) chosen
    int Trennzeichenwahl = 0;      // index of the chosen optSeparator (0..4), -1 for none
    bool chkDetail = false;
    std::vector<Listeneintrag> lstSelection;
    bool Rechentabellen = false;                           // Extras "Rechen&tabellen" checked
    Quartilsmethode Quartile = Quartilsmethode::Haelften;  // the Extras item chosen
};

// The piece of an input box that could not be read as a number, or was out of range.
struct Lesefehler {
    int Feld = 1;            // 1: the first box (txtM1), 2: the second (txtM2)
    std::size_t Stueck = 0;  // its index among the box's pieces, from 0
    std::size_t Anfang = 0;  // where it starts in the trimmed box text, in bytes
    std::size_t Laenge = 0;  // its length in bytes (0 for two separators in a row)
    Fehlerart Art = Fehlerart::Typenunvertraeglich;  // or Ueberlauf
};

// The control states read as a run reads them: the settings, and the data set or the one
// line that ends the run before any section.
struct Lesung {
    zv::Einstellungen Einstellungen;
    std::optional<Datensatz> Daten;    // set when both boxes were read
    std::string Abbruch;               // otherwise: the message or error line
    std::optional<Lesefehler> Fehler;  // the piece that ended the run, where one did
    std::string txtM1;                 // the boxes as the run gives them back
    std::string txtM2;
    std::string txtNks;
};

// What the window shows after the run.
struct Laufergebnis {
    std::string txtAusgabe;            // the report, UTF-8, every line ending in CR LF
    std::string txtM1;                 // the input boxes trimmed of leading and trailing blanks
    std::string txtM2;                 // (unchanged in one-dimensional mode)
    std::string txtNks;                // "3" when the run replaced a 0, else the text as it was
    std::optional<Lesefehler> Fehler;  // the piece that could not be read, where one ended it
};

class clsRechenlauf {
  public:
    // dezimal: the locale's decimal separator, used for reading and printing numbers.
    explicit clsRechenlauf(std::string dezimal = ",");

    // The run of "&Berechnen". The control states are taken by value: a caller that no longer
    // needs them moves them in, and the box texts, which may be megabytes, are not copied.
    Laufergebnis cmdCalculate_Click(Steuerzustand zustand);

    // Only the reading of the settings and the boxes, as the run does it.
    Lesung Einlesen(Steuerzustand zustand);

    // Sets the separator from the chosen separator option (0 blank, 1 comma, 2 semicolon,
    // 3 tab, 4 tilde); any other index keeps the current one.
    void TrennzeichenSetzen(int gewaehlt);

    const std::string& Trennzeichen() const { return einstellungen_.Trennzeichen; }
    const std::string& Ausgabetrennzeichen() const { return einstellungen_.Ausgabetrennzeichen; }
    const std::string& Dezimaltrennzeichen() const { return einstellungen_.Dezimaltrennzeichen; }

  private:
    // The settings are kept from one run to the next (the separator stays when no option is
    // chosen); the engine lives as long as the run.
    Einstellungen einstellungen_;
    clsStatistik Stat;
};

}  // namespace zv

#pragma once
// The calculation run of "&Berechnen" without a window: turns the control states into the
// settings and the data set, writes the raw list and lets every selected statistic append its
// report section. The window and the command-line tool map their controls and options into
// Steuerzustand and show Laufergebnis.

#include <string>
#include <vector>

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
};

// What the window shows after the run.
struct Laufergebnis {
    std::string txtAusgabe;  // the report, UTF-8, every line ending in CR LF
    std::string txtM1;       // the input boxes trimmed of leading and trailing blanks
    std::string txtM2;       // (unchanged in one-dimensional mode)
    std::string txtNks;      // "3" when the run replaced a 0, else the text as it was
};

class clsRechenlauf {
  public:
    // dezimal: the locale's decimal separator, used for reading and printing numbers.
    explicit clsRechenlauf(std::string dezimal = ",");

    // The run of "&Berechnen".
    Laufergebnis cmdCalculate_Click(const Steuerzustand& zustand);

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

#pragma once
// The calculation run without a window: it holds the window's form-level fields (data set,
// settings, report buffer, engine), turns the control states into the data set, writes the
// raw list and calls the report section of every selected statistic. The window and the
// command-line tool map their controls and options into Steuerzustand and show Laufergebnis.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/clsConcat.h"
#include "engine/clsStatistik.h"

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

    // Sets Trennzeichen and Ausgabetrennzeichen from the chosen separator option (0 blank,
    // 1 comma, 2 semicolon, 3 tab, 4 tilde); any other index keeps the current separator.
    void TrennzeichenSetzen(int gewaehlt);

    // ---- Form-level fields -------------------------------------------------------------
    std::vector<double> M1, M2;
    std::int16_t M1Max = -1, M2Max = -1;
    std::int16_t Nks = 3;
    bool Detail = false;
    bool Zweidimensional = false;
    std::string Trennzeichen = " ";
    std::string Ausgabetrennzeichen = "  ";
    std::unique_ptr<clsConcat> Ausgabe = std::make_unique<clsConcat>();
    clsStatistik Stat;
    std::string Dezimaltrennzeichen;

    // ---- Report sections (each appends its lines to Ausgabe) ---------------------------
    void AusgabeUrliste();
    // One-dimensional
    void AusgabeModus();
    void AusgabeMedian();
    void AusgabeMittelwert();
    void AusgabeSpannweite();
    void AusgabeDurchschnittlicheAbweichung();
    void AusgabeVarianz();
    void AusgabeStandardabweichung();
    // Two-dimensional, read as a 2 x k frequency table
    void AusgabeRandhaeufigkeiten(bool& OhneTitel);
    void AusgabeBedingteHaeufigkeiten(bool& OhneTitel);
    void AusgabeUnabhaengigkeitsquotienten(bool& OhneTitel);
    void AusgabeKontingenzkoeffizient();
    // Two-dimensional, read as k pairs (x, y)
    void AusgabeSchwerpunkt();
    void AusgabeBravaisPearson();
    void AusgabeSpearman();
    void AusgabeLineareRegression();
    void AusgabeDeterminationskoeffizient();

    // ---- Helpers for the sections -------------------------------------------------------
    // A value printed in full / rounded to Nks places, with the locale's decimal separator.
    std::string Voll(double x) const;
    std::string Gerundet(double x) const;
    // The entries joined with Ausgabetrennzeichen.
    std::string Verbunden(const std::vector<std::string>& teile) const;
    void Add(std::string_view zeile) { Ausgabe->Add(zeile); }
    // One line: vorne, the entries joined with Ausgabetrennzeichen, hinten.
    void AddVerbunden(std::string_view vorne, const std::vector<std::string>& teile,
                      std::string_view hinten = {}) {
        Ausgabe->AddVerbunden(vorne, teile, Ausgabetrennzeichen, hinten);
    }
};

}  // namespace zv

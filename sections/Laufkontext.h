#pragma once
// What every report section works with: the data set, the settings of the run, the engine and
// the report buffer. A section is a plain function of this context that appends its lines to
// the report; the run makes one context per report.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/clsConcat.h"
#include "engine/Quartile.h"
#include "engine/clsStatistik.h"

namespace zv {

class Rechentabelle;  // sections/Rechentabelle.h

// The lists in input order: the raw list, or the features a1 and a2. In the two-dimensional
// mode both have the same length. No list holds more than 32767 values: the run refuses
// longer ones while it reads them, so nothing after it needs to check.
struct Datensatz {
    std::vector<double> M1;
    std::vector<double> M2;  // empty in the one-dimensional mode
    bool Zweidimensional = false;
};

// The settings of one run.
struct Einstellungen {
    std::int16_t Nks = 3;         // decimal places of rounded results
    bool Detail = false;          // print the calculation steps
    bool Rechentabellen = false;  // a calculation table after each section that has one
    Quartilsmethode Quartile = Quartilsmethode::Haelften;  // how Q1 and Q3 are read
    std::string Trennzeichen = " ";
    std::string Ausgabetrennzeichen = "  ";  // Trennzeichen and one blank: joins listed values
    std::string Dezimaltrennzeichen = ",";   // the locale's, for reading and printing numbers
};

// How the report prints numbers under the settings of a run. The sections print through it,
// and the charts label their marks with it.
class Zahlformat {
  public:
    explicit Zahlformat(const Einstellungen& einstellungen) : e_(einstellungen) {}

    // A value printed in full / rounded to Nks places, with the locale's decimal separator.
    std::string Voll(double x) const;
    std::string Gerundet(double x) const;
    // The entries joined with Ausgabetrennzeichen.
    std::string Verbunden(const std::vector<std::string>& teile) const;
    // The locale's decimal separator.
    std::string_view Dezimal() const { return e_.Dezimaltrennzeichen; }

  private:
    const Einstellungen& e_;
};

class Laufkontext {
  public:
    Laufkontext(const Datensatz& daten, const Einstellungen& einstellungen,
                const clsStatistik& stat, clsConcat& ausgabe)
        : Format(einstellungen),
          M1(daten.M1),
          M2(daten.M2),
          Zweidimensional(daten.Zweidimensional),
          Nks(einstellungen.Nks),
          Detail(einstellungen.Detail),
          Rechentabellen(einstellungen.Rechentabellen),
          Quartile(einstellungen.Quartile),
          Ausgabetrennzeichen(einstellungen.Ausgabetrennzeichen),
          Stat(stat),
          Ausgabe(ausgabe) {}

    const Zahlformat Format;
    const std::vector<double>& M1;
    const std::vector<double>& M2;
    const bool Zweidimensional;
    const std::int16_t Nks;
    const bool Detail;
    const bool Rechentabellen;
    const Quartilsmethode Quartile;
    const std::string& Ausgabetrennzeichen;
    const clsStatistik& Stat;
    clsConcat& Ausgabe;
    // The title line of the section being written.
    std::string_view Titel;

    // Upper indexes: the number of values minus one.
    std::int16_t M1Max() const { return static_cast<std::int16_t>(M1.size() - 1); }
    std::int16_t M2Max() const { return static_cast<std::int16_t>(M2.size() - 1); }

    // The number texts of Format.
    std::string Voll(double x) const { return Format.Voll(x); }
    std::string Gerundet(double x) const { return Format.Gerundet(x); }
    std::string Verbunden(const std::vector<std::string>& teile) const {
        return Format.Verbunden(teile);
    }
    void Add(std::string_view zeile) { Ausgabe.Add(zeile); }
    // One line: vorne, the entries joined with Ausgabetrennzeichen, hinten.
    void AddVerbunden(std::string_view vorne, const std::vector<std::string>& teile,
                      std::string_view hinten = {}) {
        Ausgabe.AddVerbunden(vorne, teile, Ausgabetrennzeichen, hinten);
    }

    // Voll and Gerundet for the rows of the calculation tables, looked up by the values' exact
    // bits: the tables list the same values again and again (the raw list in every
    // one-dimensional table, the deviations of the variance in the standard deviation's), and
    // a lookup costs a fraction of making a number text. A text once handed out stays where it
    // is as long as the context: later calls add texts, they never overwrite one.
    std::string_view TabellenVoll(double x) { return Tabellenzahl(x, false); }
    std::string_view TabellenGerundet(double x) { return Tabellenzahl(x, true); }

    // Calculation tables built in this run, by the name their builder gives them, so that a
    // section that shows the same table as an earlier one (the standard deviation shows the
    // variance's) takes it instead of building it again.
    std::map<std::string, std::shared_ptr<const Rechentabelle>, std::less<>> Tabellen;

  private:
    // A slot: the value's bits and where its text is kept.
    struct Zahltext {
        std::uint64_t Bits;
        const char* Text;  // nullptr: empty
        std::size_t Laenge;
    };
    std::string_view Tabellenzahl(double x, bool gerundet);

    std::vector<Zahltext> voll_, gerundet_;  // direct-mapped, made on first use
    int verschiebung_ = 0;                   // 64 minus the bits of a slot number
    // The texts handed out, one after the other in blocks that never move; a slot taken by
    // another value forgets its text, but the text itself stays.
    std::vector<std::unique_ptr<char[]>> bloecke_;
    char* frei_ = nullptr;  // the free part of the last block
    std::size_t rest_ = 0;  // its length
};

}  // namespace zv

#pragma once
// A practice task: the data set and settings of a run and, for every selected entry, the
// results a learner must give, labelled as the report labels them, with their true values as
// the report's sections compute them. The window's practice view, the worksheets and the
// report tool's --answer all work from this.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/Rechenlauf.h"
#include "run/Statistiken.h"

namespace zv {

// How a result is printed in the report, and so how an answer to it is read and marked.
enum class Zeilenart {
    Gerundet,  // one value, printed rounded to Nks places
    Voll,      // one value, printed in full (median, quartiles)
    // Several values in one answer, separated by the chosen separator or blanks, in the
    // report's order, each rounded to Nks places (conditional frequencies, h~).
    ListeGerundet,
    ListeVoll,  // the same, each printed in full (marginal frequencies h.j, hi.)
    // The modes: values in full, in any order; "kein" when the list has no mode.
    Modus,
};

// One result the learner must give.
struct Antwortzeile {
    std::string Name;                // the label, exactly as the report prints it
    std::vector<std::string> Namen;  // further names the report tool accepts for it
    const Statistik* Eintrag;        // the list entry it belongs to
    Zeilenart Art = Zeilenart::Gerundet;
    std::vector<double> Wahr;  // the true value(s); empty for a list without mode
};

struct Aufgabe {
    Datensatz Daten;
    zv::Einstellungen Einstellungen;
    std::vector<const Statistik*> Eintraege;  // the selected entries, in list order
    std::vector<Antwortzeile> Zeilen;         // their results, entry by entry
    // Selected entries that have no result to give for these data, with the section's lines
    // that say why (e.g. the geometric mean of a list with a 0). The frequency table is a
    // table to read, not a result to give: it has no rows and is not listed here.
    std::vector<std::pair<const Statistik*, std::string>> Ohne;
    // Set when the data could not be read: the line the run would show instead of a report.
    std::string Abbruch;
};

// The task of the control states, read as "&Berechnen" reads them (dezimal: the locale's
// decimal separator).
Aufgabe AufgabeStellen(Steuerzustand zustand, const std::string& dezimal);

// The task of data already read, for the selected entries of the list.
Aufgabe AufgabeStellen(const Datensatz& daten, const Einstellungen& einstellungen,
                       const std::vector<Listeneintrag>& auswahl);

// The row with this name (or one of its further names), or nullptr.
const Antwortzeile* ZeileZuName(const Aufgabe& aufgabe, std::string_view name);

// The worked solution of one entry: its report section with the calculation steps (and its
// calculation table when the task's settings have tables on), lines ending in CR LF.
std::string Loesungsweg(const Aufgabe& aufgabe, const Statistik& eintrag);

}  // namespace zv

#pragma once
// The one table of all statistics, a row each: the list entry, the section's title line, the
// data mode, whether it prints calculation steps, the report section and the help for the
// learner. The run's dispatch, the window's list, detail rule and help window and the
// command-line tool's --select all read this table.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "run/Rechenlauf.h"
#include "sections/Laufkontext.h"

namespace zv {

// What the window's help says about a statistic, in German for a pupil. Not part of the report.
struct Erklaerung {
    std::string_view Misst;    // what it measures
    std::string_view Ablesen;  // how to read its value: range, large, small, negative values
    std::string_view Formel;   // its formula as this program computes it, lines split by '\n'
};

struct Statistik {
    std::string_view Text;         // the list entry, exactly as shown
    std::string_view Titel;        // the first line of its report section
    bool Zweidimensional;          // offered in the two-dimensional mode (else one-dimensional)
    bool MitBerechnungsschritten;  // selecting it enables "Berechnungsschritte anzeigen"
    void (*Routine)(Laufkontext&);
    Erklaerung Hilfe;  // every row has one, with all three parts
    // Its name in correct German where the list entry keeps a historic spelling, for texts
    // outside the program such as the software centre's description; empty: Text.
    std::string_view Bezeichnung = {};
};

// Every statistic, each mode's entries in list order.
std::span<const Statistik> AlleStatistiken();

// The entries of the selection list for a data mode, in list order.
std::vector<std::string> ListenEintraege(bool zweidimensional);

// The statistic with exactly this text, or nullptr.
const Statistik* StatistikZuText(std::string_view text);

// The statistic whose report section is abschnitt (sections/Abschnitte.h), or nullptr.
const Statistik* StatistikZuAbschnitt(void (*abschnitt)(Laufkontext&));

// True when a selected entry is one that prints calculation steps.
bool DetailGewuenscht(const std::vector<Listeneintrag>& eintraege);

// Appends the statistic's section; a run-time error inside it ends the section with the
// error's description as one line.
void AbschnittSchreiben(const Statistik& statistik, Laufkontext& k);

}  // namespace zv

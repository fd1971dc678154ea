#pragma once
// The one table of all statistics: list text, data mode, whether selecting it enables the
// detail switch, and the report section it runs. The dispatch of the run, the window's list
// and detail rule and the command-line tool's --select all read this table.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Rechenlauf.h"

namespace zv {

struct Statistik {
    std::string_view Text;      // the list entry, exactly as shown
    bool Zweidimensional;       // offered in the two-dimensional mode (else one-dimensional)
    bool MitBerechnungsschritten;  // selecting it enables "Berechnungsschritte anzeigen"
    void (*Routine)(clsRechenlauf&);
};

// All sixteen, each mode's entries in list order.
std::span<const Statistik> AlleStatistiken();

// The entries of the selection list for a data mode, in list order.
std::vector<std::string> ListenEintraege(bool zweidimensional);

// The statistic with exactly this text, or nullptr.
const Statistik* StatistikZuText(std::string_view text);

// True when a selected entry is one that prints calculation steps.
bool DetailGewuenscht(const std::vector<Listeneintrag>& eintraege);

}  // namespace zv

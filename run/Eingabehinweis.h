#pragma once
// Hints in plain German beside the report's own line: after a run that could not read the
// boxes (or read commas as separators where decimal commas may have been meant), what is wrong,
// where, and what to do. The window shows them as a balloon at the box.

#include <optional>
#include <string>
#include <string_view>

#include "run/Rechenlauf.h"

namespace zv {

struct Eingabehinweis {
    int Feld = 1;             // the box it is about: 1 the first (txtM1), 2 the second (txtM2)
    std::string Text;         // one or two lines, separated by "\n"
    bool LaufBeendet = true;  // the run ended at this box; else it ran, and this is a warning
};

// The hint after a run with these results; trenner is the separator the run split at, dezimal
// the decimal separator it read with. Nothing when there is nothing to say.
std::optional<Eingabehinweis> HinweisZurEingabe(const Laufergebnis& ergebnis, bool zweidimensional,
                                                char trenner, std::string_view dezimal);

// Why "Berechnungsschritte anzeigen" cannot be chosen: the entries of the mode that have steps.
std::string DetailHinweis(bool zweidimensional);

}  // namespace zv

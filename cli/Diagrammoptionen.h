#pragma once
// The chart options of the report tool: --chart PATH (PNG or PDF by the extension),
// --chart-size WxH and --chart-kind, the kinds of the data's mode. The toolkit is started
// only when a chart is to be written.

#include <optional>
#include <ostream>
#include <string>

#include "cli/Optionen.h"
#include "run/Rechenlauf.h"

namespace zv {

struct Diagrammwunsch {
    std::optional<std::string> Pfad;
    std::optional<std::string> Groesse;  // as given, "800x600"
    std::optional<std::string> Art;      // a name of a chart kind (chartdata/Diagrammarten.h)
    int Breite = 800;
    int Hoehe = 600;
};

// The texts of --chart-kind from the named rows of the chart kinds, for each mode whose kinds
// have names: its line of the help ("bei --mode 2: streudiagramm oder haeufigkeiten
// (streudiagramm)", the kind drawn when none is named in brackets), the man page's line that
// names it, its paragraph with what each kind shows, its part of the synopsis, and the README's
// meaning and default.
Optionstexte DiagrammartTexte();

// Takes the value of a chart option. Returns the usage error, or the empty text.
std::string DiagrammoptionSetzen(Diagrammwunsch& wunsch, const std::string& name,
                                 const std::string& wert);

// Checks the options together once all are read. Returns the usage error, or the empty text.
std::string DiagrammwunschPruefen(const Diagrammwunsch& wunsch, bool zweidimensional);

// Writes the chart of the control states, read as the run reads them. False, with one line on
// fehler, when no chart could be written: the lists cannot be read, or the file not written.
bool DiagrammSchreiben(const Diagrammwunsch& wunsch, const Steuerzustand& zustand,
                       const std::string& dezimal, std::ostream& fehler);

}  // namespace zv

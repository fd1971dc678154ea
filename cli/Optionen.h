#pragma once
// The command-line report: options into the control states of a run, the run's report out.

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Runs the tool on the arguments (without the program name). The report goes to aus, usage
// errors as one line to fehler. Returns the exit code: 0 for a report (message and error lines
// are part of it) and for --help; 1 when the report or the chart could not be written, or when
// the run ended on what it did not foresee (no memory left, an error of a library: one line on
// fehler); 2 for a usage error or input that cannot be read or is too large.
int ReportWerkzeug(const std::vector<std::string>& argumente, std::istream& eingabe,
                   std::ostream& aus, std::ostream& fehler);

// The line for a run ended by lack of memory.
inline constexpr const char* kSpeichermangel =
    "zorvanta-report: abgebrochen, nicht genug Arbeitsspeicher\n";

// The line for a run ended by another error it did not foresee, with the error's own text.
std::string UnerwarteterFehler(std::string_view grund);

}  // namespace zv

#pragma once
// The command-line report: options into the control states of a run, the run's report out.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace zv {

// Runs the tool on the arguments (without the program name). The report goes to aus, usage
// errors as one line to fehler. Returns the exit code: 0 for a report (message and error lines
// are part of it) and for --help, 1 when the report could not be written, 2 for a usage error.
int ReportWerkzeug(const std::vector<std::string>& argumente, std::istream& eingabe,
                   std::ostream& aus, std::ostream& fehler);

}  // namespace zv

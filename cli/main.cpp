// zorvanta-report: the report of a calculation run without a window.

#include <iostream>

#include "base/Speicher.h"
#include "cli/Optionen.h"

int main(int argc, char** argv) {
    zv::SpeicherEinrichten();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    return zv::ReportWerkzeug(argumente, std::cin, std::cout, std::cerr);
}

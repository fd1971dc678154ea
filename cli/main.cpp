// zorvanta-report: the report of a calculation run without a window.

#include <cstdio>
#include <exception>
#include <iostream>
#include <new>

#include "base/Speicher.h"
#include "cli/Optionen.h"

int main(int argc, char** argv) {
    zv::SpeicherEinrichten();
    std::ios::sync_with_stdio(false);
    // The run catches what it did not foresee itself; this catches what escapes even that, such
    // as a lack of memory while the arguments are taken or the line is written.
    try {
        const std::vector<std::string> argumente(argv + 1, argv + argc);
        return zv::ReportWerkzeug(argumente, std::cin, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        std::fputs(zv::kSpeichermangel, stderr);
    } catch (const std::exception& f) {
        std::fputs(zv::UnerwarteterFehler(f.what()).c_str(), stderr);
    } catch (...) {
        std::fputs(zv::UnerwarteterFehler("unbekannt").c_str(), stderr);
    }
    return 1;
}

#pragma once
// The command-line report: options into the control states of a run, the run's report out.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// What the options of one call gather before the run (cli/Optionen.cpp).
struct Aufruf;

// The texts of an option for --help, the man page and the README, as the fields of the same
// names in Option describe them.
struct Optionstexte {
    std::string Hilfe, Handbuchkopf, Handbuch, Uebersicht, Bedeutung, Vorgabe;
};

// One option of the report tool. --help, the man page's synopsis and option paragraphs and the
// README's option table are written from these rows (cli/Dokubloecke.h), so a new option is one row
// in cli/Optionen.cpp with its handling.
struct Option {
    std::string_view Name;       // "--mode"
    std::string_view Wert;       // the value's placeholder in --help and the man page; empty: none
    std::string_view Kurz = {};  // a short form such as "-h", or empty
    bool Endet = false;  // writes its output and ends the program; a value after "=" is ignored
    std::string_view Hilfe = {};  // the --help text; "\n" starts an indented continuation line
    // Where the texts come from another table (the chart kinds): the routine that makes all of
    // them. The row's own texts (Hilfe, Handbuchkopf, Handbuch, Uebersicht, Bedeutung, Vorgabe)
    // then stay empty; the build refuses a row with both.
    Optionstexte (*TexteBilden)() = nullptr;
    // The roff line that names it in the man page; empty: .B or .BI from Name and Wert.
    std::string_view Handbuchkopf = {};
    // The man-page paragraph (roff, German); "{Eintraege1}" and "{Eintraege2}" become the
    // list entries of each data mode. Empty: it shares the next row's paragraph.
    std::string_view Handbuch = {};
    // Its part of the man page's synopsis (roff); empty: "[--name WERT]" from Name and Wert, or
    // a line of its own for an option that ends the program.
    std::string_view Uebersicht = {};
    std::string_view ReadmeWert = {};  // the value's placeholder in the README; empty: Wert
    std::string_view Bedeutung = {};   // the README's meaning (English); empty: the next row's
    std::string_view Vorgabe = {};     // the README's default
    // Its handling: takes the value (empty for an option without one) into the call.
    void (*Setzen)(Aufruf& aufruf, const Option& option, const std::string& wert) = nullptr;

    // Its texts: what TexteBilden makes, or else the row's own.
    Optionstexte Texte() const;
};

// Every option, in the order --help lists them.
std::span<const Option> AlleOptionen();

// The text of --help.
std::string Hilfetext();

// Runs the tool on the arguments (without the program name). The report goes to aus, usage
// errors as one line to fehler; with --answer the marks instead of the report. Returns the exit
// code: 0 for a report or for the marks of every answer (message and error lines
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

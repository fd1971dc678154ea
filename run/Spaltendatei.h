#pragma once
// Number columns from a text file as a spreadsheet or a text editor writes them (CSV or plain
// text): one value a line, or several columns split by comma, semicolon or tab, values with a
// decimal comma or a decimal point, a header row or none. Reading happens in two steps: the
// file into a table of cells (separator, header and column count found), then the columns the
// learner takes into numbers written for the input boxes. Every row that does not fit is
// reported with its line number and content; none is dropped without a word.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// A row of the file that cannot be taken over.
struct Zeilenfehler {
    std::size_t Zeile = 0;  // line number in the file, from 1, as an editor counts it
    std::string Inhalt;     // the row as it stands in the file
    std::string Grund;      // what is wrong, a German phrase

    // "Zeile 7: „1;2;3“ – 3 Spalten statt 2"; tabs shown as "[Tab]", a long row shortened.
    std::string Text() const;
};

struct Spaltentabelle {
    struct Zeile {
        std::size_t Nummer = 0;
        std::string Inhalt;
        std::vector<std::string> Zellen;  // exactly Spaltenzahl cells, as written
    };

    // Why the file cannot be read at all (no text, no values); empty when it can.
    std::string Unlesbar;
    // ',', ';' or '\t'; 0 where every row is one value.
    char Trennzeichen = 0;
    std::size_t Spaltenzahl = 0;
    // The names of the header row, one per column; empty where the file has none.
    std::vector<std::string> Kopf;
    std::vector<Zeile> Zeilen;
    // Rows with another number of cells than the others.
    std::vector<Zeilenfehler> Fehler;
};

// Reads the file's bytes: UTF-8 (a byte order mark is skipped), UTF-16 with byte order mark,
// or else Windows-1252; line ends CR LF, LF or CR; cells in double quotes may hold separators,
// line breaks and doubled quotes. Lines without any value are skipped. Where a comma could be
// both the separator and the decimal sign (every row "1,5"), the decimal sign of the locale,
// ortsDezimal, decides.
Spaltentabelle SpaltendateiLesen(std::string_view inhalt, std::string_view ortsDezimal);

struct Spaltenauszug {
    // One list per column asked for: the numbers in file order, each written with the target
    // decimal sign, so that the run reads exactly the file's values.
    std::vector<std::vector<std::string>> Werte;
    // The decimal sign the file uses in these columns: ",", "." or empty (whole numbers only).
    std::string Dezimal;
    // The table's broken rows, then cells that are empty or no number, in line order.
    std::vector<Zeilenfehler> Fehler;
};

// The numbers of the given columns (counted from 0) of every row, written with zielDezimal.
Spaltenauszug SpaltenAuslesen(const Spaltentabelle& tabelle,
                              const std::vector<std::size_t>& spalten,
                              std::string_view zielDezimal);

// The message that quelle ("Die Datei „a.csv“") was not taken over, naming its broken rows (at
// most hoechstens, the rest counted), lines ending in CR LF.
std::string Fehlermeldung(std::string_view quelle, const std::vector<Zeilenfehler>& fehler,
                          std::size_t hoechstens = 10);

}  // namespace zv

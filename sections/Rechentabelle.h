#pragma once
// The calculation table a section appends after its own lines when the calculation tables are
// switched on: the textbook's work table with the learner's own numbers, so that every number
// of the section can be checked by hand. A block is the line "Rechentabelle", lines before the
// table, the table (a heading of formula symbols, a rule, a row per value or pair, a rule and
// a sum row), a note when a column holds rounded entries, lines after the table and an empty
// line.
//
// Inputs are printed in full, computed entries and sums rounded, except that a value the
// section prints itself is printed as the section prints it; every sum and quotient is the
// value the section computes, taken from the same engine routine.

#include <string>
#include <vector>

#include "base/Spalten.h"
#include "sections/Laufkontext.h"

namespace zv {

struct Rechentabelle {
    std::vector<std::string> Vorspann;   // lines between "Rechentabelle" and the heading
    Zeile Kopf;                          // the column headings; none: no table, only lines
    std::vector<Zeile> Reihen;           // as many entries as Kopf each
    std::vector<std::string> Marken;     // none, or a text after each row (may be empty)
    Zeile Summen;                        // the sum row (as many entries as Kopf), or none
    bool GerundeteEintraege = false;     // a column holds rounded entries
    std::vector<std::string> Nachspann;  // lines after the table
};

// The label of the sum row, in the first column.
inline constexpr const char* kSummenzeile = "Summe";

// The note under a table with rounded entries.
inline constexpr const char* kUngerundetGerechnet =
    "Summen und Quotienten sind aus den ungerundeten Werten gebildet.";

// Appends the block. The columns are right-aligned with the column padding helpers and
// joined with the output separator, as the frequency tables are.
void RechentabelleSchreiben(Laufkontext& k, Rechentabelle& t);

}  // namespace zv

#pragma once
// The calculation table a section appends after its own lines when the calculation tables are
// switched on: the textbook's work table with the learner's own numbers, so that every number
// of the section can be checked by hand. A block is the line "Rechentabelle", lines before the
// table, the table (a heading of formula symbols, a rule, a row per value or pair, a rule and
// a sum row), a note when an entry is shown rounded, lines after the table and an empty line.
//
// Inputs are printed in full, the computed entries of the rows rounded. A value that a later
// line works with (a sum, a mean, Sxy, ^b, ...) is printed in full wherever a table shows it,
// so that each line can be recomputed from the numbers it shows; where that line is a single
// step to a rounded result (the roots in r, chi², K and Kmax, s²x), the value has just the
// places that step needs (KnappeStellen). A line's last result, which nothing is computed
// from, is rounded like the section's result. Every sum and quotient is the value the section
// computes, taken from the same engine routine.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sections/Laufkontext.h"

namespace zv {

// The label of the sum row, in the first column.
inline constexpr std::string_view kSummenzeile = "Summe";

// The note under a table with an entry shown rounded.
inline constexpr std::string_view kUngerundetGerechnet =
    "Summen und Quotienten sind aus den ungerundeten Werten gebildet.";

class Rechentabelle {
  public:
    std::vector<std::string> Vorspann;   // lines between "Rechentabelle" and the heading
    std::vector<std::string> Nachspann;  // lines after the table
    bool GerundeteEintraege = false;     // an entry is shown rounded
    // The line "Rechentabelle" first; off where the table is a section's result itself.
    bool Ueberschrift = true;

    // The column headings, before the first row; without them only the lines are written.
    // reihen: the number of rows to come, so that their room is taken once.
    void Kopf(std::vector<std::string> ueberschriften, std::size_t reihen = 0);
    // The next entry, row after row.
    Rechentabelle& operator<<(std::string_view eintrag) {
        if (kopf_.empty()) KeineSpalten();
        // Characters: every byte but a continuation byte starts one.
        std::uint32_t zeichen = 0;
        for (char c : eintrag) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        text_.append(eintrag);
        eintraege_.push_back({static_cast<std::uint32_t>(text_.size()), zeichen});
        return *this;
    }
    // The number of row i (from 0), counted from 1, as the next entry.
    Rechentabelle& Nummer(std::size_t i);
    // A computed value rounded as the next entry; the note is written if that changes it by
    // more than the last digits' noise of double arithmetic (0.2² is 0.04000000000000007).
    Rechentabelle& Gerundet(Laufkontext& k, double x) {
        const std::string_view text = k.TabellenGerundet(x);
        if (!GerundeteEintraege && text != k.TabellenVoll(x) &&
            text != k.TabellenVoll(ZwoelfStellen(x)))
            GerundeteEintraege = true;
        return *this << text;
    }
    // A text after the last row given so far, outside the columns.
    void Marke(std::string text);
    // The sum row: kSummenzeile in the first column, then the entries (empty for none).
    void Summen(std::vector<std::string> eintraege);

    // Appends the block, with the lines weitere after the Nachspann. The columns are set
    // apart by two blanks; the numbers of a column stand one under the other at the decimal
    // separator (whole numbers and texts end where the separator would be), the heading is
    // right-aligned over the column.
    void Schreiben(Laufkontext& k, const std::vector<std::string>& weitere = {}) const;

  private:
    [[noreturn]] static void KeineSpalten();  // an entry before the headings
    static double ZwoelfStellen(double x);    // x to 12 significant digits
    // Where the entries stand in their columns.
    struct Spalte {
        std::size_t Vorne = 0;   // the most characters before a decimal separator
        std::size_t Hinten = 0;  // the most characters from it to the end
        std::size_t Breite = 0;  // the column's width
    };
    // vorne receives each entry's characters before its decimal separator.
    std::vector<Spalte> Spalten(std::string_view dezimal, std::vector<std::uint32_t>& vorne) const;
    // The rows as lines, each ending in CR LF: at most Reihenbytes bytes, written by
    // ReihenSchreiben, which returns how many it wrote.
    std::size_t Reihenbytes(const std::vector<Spalte>& spalten) const;
    std::size_t ReihenSchreiben(char* ziel, const std::vector<Spalte>& spalten,
                                const std::vector<std::uint32_t>& vorne) const;

    std::vector<std::string> kopf_;
    std::vector<std::string> summen_;
    std::string text_;  // the entries one after the other
    struct Eintrag {
        std::uint32_t Ende;     // where it ends in text_
        std::uint32_t Zeichen;  // its length in characters
    };
    std::vector<Eintrag> eintraege_;
    std::vector<std::pair<std::size_t, std::string>> marken_;  // row and text
    // Where the rows were last written: the report, its decimal separator, the columns and the
    // bytes of the rows in it.
    struct Geschrieben {
        const clsConcat* Bericht = nullptr;
        std::string Dezimal;
        std::vector<Spalte> Spalten;
        std::size_t Von = 0;
        std::size_t Laenge = 0;
    };
    mutable Geschrieben zuletzt_;
};

// A number put into a calculation: a negative one in brackets, "(-8,292)".
std::string Eingesetzt(std::string_view zahl);

// Values that feed a later line are shown with as few decimal places as that line needs to
// come out as printed: the fewest places, from the report's own on, at which passt holds for
// the values as shown rounded to them; -1 (in full) when no places short of the full form do.
using Gezeigt = std::vector<double>;
int KnappeStellen(const Laufkontext& k, const Gezeigt& werte,
                  const std::function<bool(const Gezeigt&)>& passt);
// x rounded to stellen places, in full for -1.
std::string Stellentext(const Laufkontext& k, double x, int stellen);

}  // namespace zv

#pragma once
// The frequency table of a raw list and its quartiles under the two definitions learners meet:
// shared by the report sections and the charts, so that a boxplot shows the section's numbers.

#include <cstdint>
#include <vector>

#include "engine/clsStatistik.h"

namespace zv {

// One row of the frequency table: a distinct value (ascending), its absolute and relative
// frequency and both cumulated up to and including it.
struct Haeufigkeitszeile {
    double Wert = 0;
    std::int32_t h = 0;  // hj
    double f = 0;        // fj = hj / n
    std::int32_t H = 0;  // Hj = h1 + ... + hj
    double F = 0;        // Fj = Hj / n
};

// The distinct values in ascending order, equal as the mode counts them (0 and -0 one value,
// shown as it first appears). An empty list fails with an index error, as the mode does.
std::vector<Haeufigkeitszeile> Haeufigkeitstabelle(const clsStatistik& stat,
                                                   const std::vector<double>& arr);

enum class Quartilsmethode {
    // Q1 and Q3 are the medians of the lower and the upper half of the sorted values; for odd n
    // the middle value belongs to neither half (school books, graphing calculators).
    Haelften,
    // x~p = x(ceil(n*p)) when n*p is not whole, else (x(n*p) + x(n*p+1)) / 2 (university
    // courses; the same as the median for p = 0,5).
    Standard,
};

// Where a quartile is read in the sorted list: positions counted from 1. Von == Bis for a
// single value, Bis == Von + 1 for the middle of two neighbours.
struct Quartilsstelle {
    std::size_t Von = 0;
    std::size_t Bis = 0;
    double Wert = 0;
};

struct Quartilsteile {
    Quartilsmethode Methode = Quartilsmethode::Haelften;
    std::vector<double> Sortiert;
    Quartilsstelle Q1, Q2, Q3;
    double IQR = 0;                  // Q3 - Q1
    double UntererZaun = 0;          // Q1 - 1,5 * IQR
    double ObererZaun = 0;           // Q3 + 1,5 * IQR
    double UntererWhisker = 0;       // the smallest value not below the lower fence
    double ObererWhisker = 0;        // the largest value not above the upper fence
    std::vector<double> Ausreisser;  // the values outside the fences, ascending
    // Q1 or Q3 of the other definition differs from this one's.
    bool AndereMethodeWeichtAb = false;
    Quartilsstelle AndereQ1, AndereQ3;  // Q1 and Q3 of the other definition
};

// The quartiles of a non-empty list; an empty one fails with an index error. The middle of two
// values is their sum halved where that sum is finite, else the sum of the halves, so that
// values near the largest double do not overflow. Fences beyond the doubles' range fail with
// an overflow.
Quartilsteile QuartileBerechnen(const clsStatistik& stat, const std::vector<double>& arr,
                                Quartilsmethode methode);

}  // namespace zv

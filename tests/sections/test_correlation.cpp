// Correlation sections called directly: with lists of unequal length (a run refuses those
// before any section) and with the largest list; and the fast ranking against the quadratic
// one it replaces. Whole reports of ordinary data are in tests/faelle/korrelation.txt.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sections/Berichtstest.h"
#include "sections/correlation/Rangziffern.h"

namespace zv {
namespace {

using Liste = std::vector<double>;

TEST(Korrelation, DirekteAufrufe) {
    const std::string kMeldung =
        "\r\nAnzahl der Ausprägungen nicht identisch, Berechnung nicht möglich.\r\n";
    const Liste drei{1, 2, 3}, zwei{1, 2};
    Liste gross(32767);  // large tie groups; no 16-bit counter may overflow
    for (std::size_t i = 0; i < gross.size(); ++i) gross[i] = static_cast<double>(i % 1000);
    const struct {
        void (clsRechenlauf::*abschnitt)();
        Liste x, y;
        bool detail;
        std::string erwartet;
    } faelle[] = {
        // The count message closes the section; only Bravais-Pearson adds an empty line.
        {&clsRechenlauf::AusgabeBravaisPearson, drei, zwei, true,
         "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT" + kMeldung + "\r\n"},
        {&clsRechenlauf::AusgabeSpearman, zwei, drei, true,
         "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN" + kMeldung},
        {&clsRechenlauf::AusgabeLineareRegression, zwei, drei, true,
         "LINEARE REGRESSION" + kMeldung},
        {&clsRechenlauf::AusgabeDeterminationskoeffizient, drei, zwei, true,
         "DETERMINATIONSKOEFFIZIENT" + kMeldung},
        {&clsRechenlauf::AusgabeSpearman, gross, gross, false,
         "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN\r\nrSP: 1\r\n\r\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.erwartet.substr(0, 24) + ", n = " + std::to_string(f.x.size()));
        clsRechenlauf lauf(",");
        zvtest::Datensatz(lauf, f.x, f.y);
        lauf.Detail = f.detail;
        (lauf.*f.abschnitt)();
        EXPECT_EQ(lauf.Ausgabe->Value(), f.erwartet);
    }
}

// The quadratic ranking: for every element of the sorted copy, from the largest, scan the
// whole list; then for every position count the equal competition ranks.
Rangziffern LiteraleRangziffern(const Liste& w) {
    const std::size_t n = w.size();
    Liste sortiert = w;
    std::stable_sort(sortiert.begin(), sortiert.end());
    Rangziffern r{Liste(n, 0.0), Liste(n, 0.0)};
    long naechster = 1, vergeben = 1;
    for (std::size_t k = n; k-- > 0;) {
        for (std::size_t j = 0; j < n; ++j)
            if (w[j] == sortiert[k] && r.Wettkampf[j] == 0) {
                r.Wettkampf[j] = static_cast<double>(vergeben);
                ++naechster;
            }
        vergeben = naechster;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const long c = std::count(r.Wettkampf.begin(), r.Wettkampf.end(), r.Wettkampf[i]);
        double summe = 0;
        for (long k = 0; k < c; ++k) summe += r.Wettkampf[i] + static_cast<double>(k);
        for (std::size_t j = 0; j < n; ++j)
            if (r.Wettkampf[j] == r.Wettkampf[i] && r.Mittel[j] == 0)
                r.Mittel[j] = summe / static_cast<double>(c);
    }
    return r;
}

// Random lists with many ties, 0 beside -0 and values that differ in the last bit only.
TEST(Rangziffern, GleichDerLiteralenRangfolge) {
    std::mt19937 zufall(20240611);
    const Liste vorrat = {0.0, -0.0, 0.1 + 0.2, 0.3, -1.5, 2.0, 7.25, -7.25, 1e-300, 1e300};
    for (int runde = 0; runde < 20; ++runde) {
        const std::size_t n = 1 + zufall() % 600;
        Liste w(n);
        for (double& v : w)
            v = zufall() % 3 == 0 ? std::uniform_real_distribution<double>(-5, 5)(zufall)
                                  : vorrat[zufall() % vorrat.size()];
        const Rangziffern schnell = RangzifferBilden(w);
        const Rangziffern literal = LiteraleRangziffern(w);
        ASSERT_EQ(schnell.Wettkampf, literal.Wettkampf) << "n = " << n;
        ASSERT_EQ(schnell.Mittel, literal.Mittel) << "n = " << n;
    }
}

}  // namespace
}  // namespace zv

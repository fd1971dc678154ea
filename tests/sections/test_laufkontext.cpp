// The number texts of the calculation tables: every text handed out stays as it was for the
// whole run, however many values come after it.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "sections/Laufkontext.h"

namespace {

TEST(Laufkontext, TabellentexteBleibenBisZumEndeDesLaufs) {
    // A short list gets the fewest slots, so thousands of values take them over again and
    // again; the values repeat, so texts are found in their slots as well.
    const zv::Datensatz daten{{1, 2, 3}, {}, false};
    zv::Einstellungen e;
    e.Nks = 2;
    const zv::clsStatistik stat;
    zv::clsConcat ausgabe;
    zv::Laufkontext k(daten, e, stat, ausgabe);
    std::vector<std::pair<double, std::string_view>> voll, gerundet;
    for (int i = 0; i < 6000; ++i) {
        const double x = (i % 4000) * 1.37 - 2000.0 + (i % 7) * 1e-9;
        voll.emplace_back(x, k.TabellenVoll(x));
        gerundet.emplace_back(x, k.TabellenGerundet(x));
    }
    for (const auto& [x, text] : voll) ASSERT_EQ(text, k.Voll(x)) << x;
    for (const auto& [x, text] : gerundet) ASSERT_EQ(text, k.Gerundet(x)) << x;
}

}  // namespace

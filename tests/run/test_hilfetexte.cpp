// The help each statistic brings along for the window (that every row has one is checked where
// the table is compiled): no part copied from another row and left unchanged.

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "run/Statistiken.h"

TEST(Hilfetexte, KeineZeileTeiltIhrenTextMitEinerAnderen) {
    std::set<std::string_view> gesehen;
    for (const zv::Statistik& s : zv::AlleStatistiken())
        for (const std::string_view teil : {s.Hilfe.Misst, s.Hilfe.Ablesen, s.Hilfe.Formel})
            EXPECT_TRUE(gesehen.insert(teil).second) << s.Text << ": " << teil;
}

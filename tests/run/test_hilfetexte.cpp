// The help each statistic brings along for the window: whole sentences, formulas without
// empty or ragged lines, and no text copied from another row.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "run/Statistiken.h"

using namespace zv;

namespace {

// A control character other than the line break of a formula.
bool Steuerzeichen(std::string_view text, bool zeilenErlaubt) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && !(zeilenErlaubt && c == '\n')) return true;
    return false;
}

}  // namespace

TEST(Hilfetexte, JedeZeileVollstaendigUndLesbar) {
    for (const Statistik& s : AlleStatistiken()) {
        SCOPED_TRACE(std::string(s.Text));
        const std::string_view saetze[] = {s.Hilfe.Misst, s.Hilfe.Ablesen};
        for (const std::string_view satz : saetze) {
            ASSERT_FALSE(satz.empty());
            EXPECT_FALSE(Steuerzeichen(satz, false));
            EXPECT_EQ(satz.back(), '.') << satz;  // whole sentences
            EXPECT_NE(satz.front(), ' ');
        }
        const std::string_view formel = s.Hilfe.Formel;
        ASSERT_FALSE(formel.empty());
        EXPECT_FALSE(Steuerzeichen(formel, true));
        EXPECT_NE(formel.find('='), std::string_view::npos) << formel;
        // No empty line, none at either end, no blanks at a line's end.
        EXPECT_EQ(formel.find("\n\n"), std::string_view::npos);
        EXPECT_NE(formel.front(), '\n');
        EXPECT_NE(formel.back(), '\n');
        EXPECT_EQ(formel.find(" \n"), std::string_view::npos);
        EXPECT_NE(formel.back(), ' ');
    }
}

TEST(Hilfetexte, KeineZeileTeiltIhrenTextMitEinerAnderen) {
    std::set<std::string_view> gesehen;
    for (const Statistik& s : AlleStatistiken())
        for (const std::string_view teil : {s.Hilfe.Misst, s.Hilfe.Ablesen, s.Hilfe.Formel})
            EXPECT_TRUE(gesehen.insert(teil).second) << s.Text << ": " << teil;
}

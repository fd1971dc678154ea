// The table of options as the generated texts need it: a row that breaks the --help columns,
// names an option twice or leaves a shared paragraph without the row that carries it would
// write a wrong --help, man page or README without any other test noticing.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/Dokubloecke.h"
#include "cli/Optionen.h"

namespace {

TEST(Optionstabelle, ZeilenPassenZuDenTexten) {
    std::set<std::string_view> namen;
    for (const zv::Option& o : zv::AlleOptionen()) {
        SCOPED_TRACE(std::string(o.Name));
        EXPECT_TRUE(o.Name.starts_with("--"));
        EXPECT_TRUE(namen.insert(o.Name).second);
        if (!o.Kurz.empty()) {
            EXPECT_TRUE(namen.insert(o.Kurz).second);
        }
        // "  --name WERT" and at least one space before the help text in column 24.
        EXPECT_LT(2 + o.Name.size() + (o.Wert.empty() ? 0 : 1 + o.Wert.size()), 24u);
        const zv::Optionstexte t = o.Texte();
        EXPECT_FALSE(t.Hilfe.empty());
        EXPECT_NE(o.Setzen, nullptr);
        EXPECT_FALSE(o.Endet && !o.Wert.empty()) << "an option that ends takes no value";
        // A paragraph may mention the statistics only at the start of a line.
        for (const std::string_view marke : {"{Eintraege1}", "{Eintraege2}"})
            if (const auto p = t.Handbuch.find(marke); p != t.Handbuch.npos) {
                EXPECT_TRUE(p == 0 || t.Handbuch[p - 1] == '\n');
            }
    }
    // The last row cannot share its paragraph or README line with a next one.
    const zv::Optionstexte letzte = zv::AlleOptionen().back().Texte();
    EXPECT_FALSE(letzte.Handbuch.empty());
    EXPECT_FALSE(letzte.Bedeutung.empty());
    // Every placeholder of the statistics in the paragraphs is replaced.
    EXPECT_EQ(zv::OptionenHandbuch().find('{'), std::string::npos);
}

}  // namespace

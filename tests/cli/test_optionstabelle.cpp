// The table of options as the generated texts need it: a row that breaks the --help columns,
// names an option twice or leaves a shared paragraph without the row that carries it would
// write a wrong --help, man page or README without any other test noticing.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
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
}

// True when a line of the roff text names the option (after .TP or .TQ where absatz is set):
// its roff name followed by a space, a space that does not break or the line's end, so that
// "\-\-a1" is not found in "\-\-a1\-file".
bool Benannt(const std::string& text, const std::string& roff, bool absatz) {
    std::istringstream zeilen(text);
    std::string zeile, vorige;
    for (; std::getline(zeilen, zeile); vorige = zeile) {
        if (absatz && vorige != ".TP" && vorige != ".TQ") continue;
        for (auto p = zeile.find(roff); p != zeile.npos; p = zeile.find(roff, p + 1)) {
            const std::string_view danach = std::string_view(zeile).substr(p + roff.size());
            if (danach.empty() || danach[0] == ' ' || danach.starts_with("\\~")) return true;
        }
    }
    return false;
}

// Every option of --help is named by the man page's synopsis and a paragraph, and by a line of
// the README table, and the placeholders of the statistics are all replaced.
TEST(Optionstabelle, JedeOptionInHandbuchUndReadme) {
    const std::string handbuch = zv::OptionenHandbuch(), readme = zv::OptionenReadme(),
                      uebersicht = zv::OptionenUebersicht();
    for (const zv::Option& o : zv::AlleOptionen()) {
        std::string roff;
        for (const char c : o.Name) roff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_TRUE(Benannt(handbuch, roff, true)) << o.Name;
        EXPECT_TRUE(Benannt(uebersicht, roff, false)) << o.Name;
        EXPECT_NE(readme.find("`" + std::string(o.Name) + (o.Wert.empty() ? "`" : " ")),
                  std::string::npos)
            << o.Name;
    }
    EXPECT_EQ(handbuch.find('{'), std::string::npos);
    EXPECT_NE(handbuch.find("Determinationskoeffizient."), std::string::npos);
}

}  // namespace

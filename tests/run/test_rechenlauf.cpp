// The run as the window and the tool see it, with what no option line of the report tool can
// hold (those cases are in tests/faelle/): the boxes it gives back, lists at and beyond the
// 16-bit limits, and the largest lists with every section and its details.

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "Berichtstest.h"

using namespace zv;
using zvtest::Lauf;
using zvtest::Zeilen;
using zvtest::Zustand;

namespace {

enum { Leer = 0, Semikolon = 2 };

const std::string kUeberlauf = Zeilen({"Überlauf"});

// n values joined by the separator, value i given by wert(i).
std::string Liste(int n, const std::function<std::string(int)>& wert, const std::string& trenner) {
    std::string text;
    for (int i = 0; i < n; ++i) text += (i > 0 ? trenner : "") + wert(i);
    return text;
}

// clang-format off
std::string Einsen(int n, const std::string& letztes = "1") {
    return Liste(n - 1, [](int) { return "1"; }, " ") + (n > 1 ? " " : "") + letztes;
}

// clang-format on
Steuerzustand Eindimensional(const std::string& text, int trenner = Leer) {
    return Zustand(false, trenner, text, "", {});
}

}  // namespace

TEST(Rechenlauf, GivesBackTrimmedBoxesAndDecimalPlaces) {
    // Only blanks are trimmed: no tab, no no-break space, no line break. The second box is
    // looked at only after the first one was read.
    const std::tuple<std::string, std::string, bool> boxen[] = {{" \t1\t ", "\t1\t", true},
                                                                {"  ", "", false},
                                                                {" \u00A01 ", "\u00A01", false},
                                                                {"1\r\n ", "1\r\n", false}};
    for (const auto& [text, getrimmt, ersteLesbar] : boxen) {
        const Laufergebnis e = Lauf(Zustand(true, Leer, text, text, {}));
        EXPECT_EQ(e.txtM1, getrimmt);
        EXPECT_EQ(e.txtM2, ersteLesbar ? getrimmt : text);
    }
    // One-dimensional: the second box is not touched.
    EXPECT_EQ(Lauf(Zustand(false, Leer, " 1 ", " x ", {})).txtM2, " x ");
    // The decimal-places box comes back as typed unless it reads as 0, which means 3 places and
    // comes back as "3" (the reports of each case: tests/faelle/lauf.txt). Out of the 16-bit
    // range the run ends before it looks at the boxes, so the first one is not trimmed either.
    // clang-format off
    for (const auto& [nks, zurueck] : {std::pair{"0", "3"}, {"a", "3"}, {"0.4", "3"},
                                       {"2,5", "2,5"}, {" 1 2", " 1 2"}, {"-1", "-1"}})
        // clang-format on
        EXPECT_EQ(Lauf(Zustand(false, Leer, "1 2 4", "", {"Median"}, false, nks)).txtNks, zurueck);
    for (const char* nks : {"32768", "1e9", "32767.5", "-32769", "99999999999999999999", "1e400"}) {
        const Laufergebnis e = Lauf(Zustand(false, Leer, " 1 2 ", "", {"Median"}, false, nks));
        EXPECT_EQ(e.txtAusgabe, kUeberlauf) << nks;
        EXPECT_EQ(e.txtM1, " 1 2 ") << nks;
        EXPECT_EQ(e.txtNks, nks);
    }
    // Pressing twice gives the same report; nothing accumulates.
    clsRechenlauf lauf(",");
    const auto z = Zustand(false, 0, "3 1 2", "", {"Median"}, true);
    EXPECT_EQ(lauf.cmdCalculate_Click(z).txtAusgabe, lauf.cmdCalculate_Click(z).txtAusgabe);
}

TEST(Rechenlauf, SeparatorKeptWhenNoneChosen) {
    clsRechenlauf lauf(",");
    lauf.TrennzeichenSetzen(4);
    EXPECT_EQ(lauf.Ausgabetrennzeichen(), "~ ");
    lauf.TrennzeichenSetzen(-1);
    EXPECT_EQ(lauf.Trennzeichen(), "~");
    lauf.TrennzeichenSetzen(3);
    EXPECT_EQ(lauf.Ausgabetrennzeichen(), "\t ");
}

TEST(Rechenlauf, ListLengthLimits) {
    // Pieces too large for a double and unreadable pieces are refused by the reading
    // (tests/base/test_zahlenlesen.cpp); here the limits of the lists.
    const std::string ungleich =
        Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"});
    const std::pair<Steuerzustand, std::string> faelle[] = {
        // 32767 values are processed; 32768 pieces overflow the conversion counter after the
        // last piece, but an unreadable piece fails first; 32769 pieces overflow the upper
        // index when split, before any conversion; so do ten million empty pieces.
        // clang-format off
        {Zustand(false, Leer, Einsen(32767, "2"), "", {"Modus"}),
         Zeilen({"Urliste: " + Liste(32766, [](int) { return "1"; }, "  ") + "  2", "", "MODUS",
                 "Modus: 1", ""})},
        // clang-format on
        {Eindimensional(Einsen(32768)), kUeberlauf},
        {Eindimensional(Einsen(32768, "x")), Zeilen({"Typen unverträglich"})},
        {Eindimensional(Einsen(32769, "x")), kUeberlauf},
        {Zustand(true, Leer, Einsen(32768), Einsen(32768), {"Schwerpunkt"}), kUeberlauf},
        {Zustand(true, Leer, Einsen(2), Einsen(32768, "x"), {}), ungleich},
        {Zustand(true, Leer, Einsen(32767), Einsen(32769), {}), kUeberlauf},
        {Eindimensional(std::string(32768, ';'), Semikolon), kUeberlauf},
        {Eindimensional(std::string(10'000'000, ';'), Semikolon), kUeberlauf}};
    for (std::size_t i = 0; i < std::size(faelle); ++i)
        EXPECT_EQ(Lauf(faelle[i].first).txtAusgabe, faelle[i].second) << "case " << i;
}

TEST(Rechenlauf, LargestTwoDimensionalList) {
    // x alternates 1, 2; y = 2x: a perfect line with two tie groups of 16384 and 16383 values,
    // every section with its details.
    const int n = 32767;
    auto x = [](int i) { return std::string(i % 2 == 0 ? "1" : "2"); };
    auto y = [](int i) { return std::string(i % 2 == 0 ? "2" : "4"); };
    const std::string bericht =
        Lauf(Zustand(true, Leer, Liste(n, x, " "), Liste(n, y, " "), ListenEintraege(true), true))
            .txtAusgabe;
    // Each column is as wide as its label b1 .. b32767; the joined labels of the marginal
    // table are longer than 32767 characters.
    auto marke = [](int i) { return "b" + std::to_string(i + 1); };
    auto gepolstert = [&](const std::function<std::string(int)>& wert) {
        return Liste(
            n, [&](int i) { return std::string(marke(i).size() - 1, ' ') + wert(i); }, "  ");
    };
    const std::string zaehler = "     327664 - 32767 * 3²";
    // The contingency coefficient fails in its embedded table; the regression after it still
    // shows its steps.
    const std::string teile[] = {
        Zeilen({"Merkmal " + Liste(n, marke, "  "), "(x)  a1 " + gepolstert(x),
                "(y)  a2 " + gepolstert(y), "", "Überlauf", "BEDINGTE HÄUFIGKEITEN", ""}),
        Zeilen({"xMitt = 49150 / 32767", "yMitt = 98300 / 32767", "xMitt = 1,5", "yMitt = 3", "",
                "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT"}),
        Zeilen({"r = 1", "", "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN"}),
        Zeilen({"rSP = 1", "", "KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten", "Überlauf",
                "LINEARE REGRESSION", ""}),
        Zeilen({"^a = 3 - 2 * 1,5 = 0", "", "DETERMINATIONSKOEFFIZIENT"}),
        Zeilen({"Sum(^yi²) = 327664", "n = 32767", "yMitt = 3", "Sum(y²) = 327664", "", zaehler,
                "R² = " + std::string(19, '-') + " = 1", zaehler, "", "KOVARIANZ"}),
        // Sxy = 2 * 16384 * 16383 / 32767.
        Zeilen({"Sum((xi - xMitt) * (yi - yMitt)) = 16383,4999847398", ""}),
        Zeilen({"               32767 - 1", "", "sxy: 0,5", "sxy(n-1): 0,5", ""})};
    EXPECT_TRUE(bericht.starts_with(teile[0]));
    EXPECT_TRUE(bericht.ends_with("\r\n" + teile[7]));
    for (const std::string& teil : teile) EXPECT_NE(bericht.find(teil), std::string::npos) << teil;
}

TEST(Rechenlauf, MarginalTableLabelRowAtItsLimit) {
    // 4839 columns give a joined label row of 32764 characters; widening column 1 by three or
    // four characters brings it to exactly 32767 (still fits) or 32768 (does not).
    const std::string rest = Liste(
        4838, [](int) { return "1"; }, ";");
    const auto rand = [&](const char* erster) {
        return Lauf(Zustand(true, Semikolon, std::string(erster) + ";" + rest, "1;" + rest,
                            {"Randhäufigkeiten", "Unabhängigkeitsquotienten"}))
            .txtAusgabe;
    };
    EXPECT_NE(rand("12345").find("\r\n--------+-" + std::string(32767, '-') +
                                 "-+-------\r\n     a1 | 12345;  1; "),
              std::string::npos);
    const std::string zuBreit = rand("123456");
    EXPECT_NE(zuBreit.find("\r\n\r\nÜberlauf\r\nUNABHÄNGIGKEITSQUOTIENTEN\r\n"), std::string::npos);
}

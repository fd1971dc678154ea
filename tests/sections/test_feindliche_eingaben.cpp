// Hostile input through the calculation run: whatever is typed or pasted, the run gives a
// complete report of CR LF lines, the expected message or error line, and no crash, and its
// cost stays near-linear in the size of the input.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "Berichtstest.h"

using namespace zv;
using zvtest::Zeilen;
using zvtest::Zustand;

namespace {

enum { Leer = 0, Komma = 1, Semikolon = 2, Tab = 3, Tilde = 4 };

const std::string kUnvollstaendig = Zeilen({"Daten unvollständig, Berechnung nicht möglich!"});
const std::string kUngleich =
    Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"});
const std::string kTyp = Zeilen({"Typen unverträglich"});
const std::string kUeberlauf = Zeilen({"Überlauf"});

std::vector<std::string> Alle(bool zweidimensional) {
    return ListenEintraege(zweidimensional);
}

struct Fall {
    const char* name;
    Steuerzustand zustand;
    std::string bericht;
    const char* dezimal = ",";
};

void Pruefen(const std::vector<Fall>& faelle) {
    for (const Fall& f : faelle) {
        clsRechenlauf lauf(f.dezimal);
        EXPECT_EQ(lauf.cmdCalculate_Click(f.zustand).txtAusgabe, f.bericht) << f.name;
    }
}

// n values, value i given by wert(i), joined with the separator.
std::string Liste(int n, const std::function<std::string(int)>& wert, const std::string& trenner) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i > 0) text += trenner;
        text += wert(i);
    }
    return text;
}

std::vector<std::string> InZeilen(const std::string& bericht) {
    std::vector<std::string> zeilen;
    for (std::size_t a = 0; a < bericht.size();) {
        const std::size_t e = std::min(bericht.find("\r\n", a), bericht.size());
        zeilen.push_back(bericht.substr(a, e - a));
        a = e + 2;
    }
    return zeilen;
}

double Sekunden(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(FeindlicheEingaben, EmptyBoxesAndSeparators) {
    Pruefen({
        {"empty", Zustand(false, Leer, "", "", {"Modus"}), kUnvollstaendig},
        {"blanks only", Zustand(false, Leer, "     ", "", {"Modus"}), kUnvollstaendig},
        {"blanks only, tab separator", Zustand(false, Tab, "   ", "", {}), kUnvollstaendig},
        {"a tab is not trimmed", Zustand(false, Leer, "\t", "", {}), kTyp},
        {"only commas", Zustand(false, Komma, ",,,", "", {}), kTyp},
        {"only a tilde", Zustand(false, Tilde, "~", "", {}), kTyp},
        {"commas at both ends", Zustand(false, Komma, ",1,2,", "", {}), kTyp},
        {"trailing semicolon", Zustand(false, Semikolon, "1;2;", "", {}), kTyp},
        {"blank separator at both ends", Zustand(false, Leer, "  1 2  ", "", {}),
         Zeilen({"Urliste: 1  2", ""})},
        {"tab inside a blank-separated piece", Zustand(false, Leer, "1\t2", "", {}), kTyp},
        {"tabs around blank-separated pieces", Zustand(false, Leer, "\t1 \t2\t", "", {}),
         Zeilen({"Urliste: 1  2", ""})},
        {"blank inside a tab-separated piece", Zustand(false, Tab, "1 2\t3", "", {}), kTyp},
        {"blanks around tab-separated pieces", Zustand(false, Tab, " 1 \t 2 ", "", {}),
         Zeilen({"Urliste: 1\t 2", ""})},
        {"leading tab, tab separator", Zustand(false, Tab, "\t1\t2", "", {}), kTyp},
        {"2D, first box blank", Zustand(true, Leer, "  ", "1 2", {"Schwerpunkt"}), kUnvollstaendig},
        {"2D, both empty", Zustand(true, Leer, "", "", {}), kUnvollstaendig},
        {"2D, second box empty", Zustand(true, Leer, "1 2", "", {"Schwerpunkt"}), kUngleich},
        {"2D, second box blank", Zustand(true, Leer, "1 2", "   ", {}), kUngleich},
        {"2D, second box only a separator", Zustand(true, Komma, "1,2", ",", {}), kTyp},
        {"2D, first box unreadable and longer", Zustand(true, Leer, "x y", "1", {}), kTyp},
    });

    // The boxes lose their outer blanks and nothing else: no tab, no no-break space. The
    // second box is looked at only after the first one was read.
    struct Box {
        std::string text, getrimmt;
        bool ersteLesbar;
    };
    const Box boxen[] = {{" \t1\t ", "\t1\t", true},
                         {"  ", "", false},
                         {" \u00A01 ", "\u00A01", false},
                         {"1\r\n ", "1\r\n", false}};
    for (const Box& b : boxen) {
        clsRechenlauf lauf(",");
        const Laufergebnis e = lauf.cmdCalculate_Click(Zustand(true, Leer, b.text, b.text, {}));
        EXPECT_EQ(e.txtM1, b.getrimmt);
        EXPECT_EQ(e.txtM2, b.ersteLesbar ? b.getrimmt : b.text);
    }
}

TEST(FeindlicheEingaben, NumberSyntax) {
    Pruefen({
        {"decimal point in German", Zustand(false, Leer, "1.5 2", "", {}), kTyp},
        {"decimal comma in English", Zustand(false, Leer, "1,5 2", "", {}), kTyp, "."},
        {"comma separator in English", Zustand(false, Komma, "1,5", "", {}),
         Zeilen({"Urliste: 1, 5", ""}), "."},
        {"semicolon, German", Zustand(false, Semikolon, "1,5;2", "", {}),
         Zeilen({"Urliste: 1,5; 2", ""})},
        {"semicolon, English", Zustand(false, Semikolon, "1.5;-2", "", {}),
         Zeilen({"Urliste: 1.5; -2", ""}), "."},
        {"grouping, German", Zustand(false, Leer, "1.000,5 2", "", {}), kTyp},
        {"grouping, English", Zustand(false, Leer, "1,000.5 2", "", {}), kTyp, "."},
        {"grouping by a blank", Zustand(false, Leer, "1 000", "", {}),
         Zeilen({"Urliste: 1  0", ""})},
        {"grouping by an apostrophe", Zustand(false, Leer, "1'000 2", "", {}), kTyp},
        {"grouping by a no-break space", Zustand(false, Leer, "1\u00A0000 2", "", {}), kTyp},
        {"separator without digits on one side", Zustand(false, Leer, "1, ,5", "", {}),
         Zeilen({"Urliste: 1  0,5", ""})},
        {"exponents", Zustand(false, Leer, "+5 1E5 1e+5 1e-5", "", {}),
         Zeilen({"Urliste: 5  100000  100000  1E-05", ""})},
        {"1e400", Zustand(false, Leer, "1e400 2", "", {}), kUeberlauf},
        {"-1e400", Zustand(false, Leer, "2 -1e400", "", {}), kUeberlauf},
        {"1e-400 and -0", Zustand(false, Leer, "1e-400 -0", "", {}), Zeilen({"Urliste: 0  0", ""})},
        {"-0 and 0 are one value", Zustand(false, Leer, "-0 0", "", {"Modus", "Median"}),
         Zeilen({"Urliste: 0  0", "", "MODUS", "Modus: 0", "", "MEDIAN", "Median: 0", ""})},
        // The tiniest doubles carry few digits, but are printed with 15 like any other.
        {"subnormal values", Zustand(false, Leer, "2,5e-320 4,9e-324", "", {}),
         Zeilen({"Urliste: 2,49997216795671E-320  4,94065645841247E-324", ""})},
    });

    // Pieces that are no number in either locale (one piece each, semicolon separator).
    // Then Arabic-Indic and full-width digits, the minus sign U+2212, superscript two, one
    // half, a byte order mark, control characters and bytes that are no UTF-8.
    // clang-format off
    const std::vector<std::string> keineZahlen = {
        "+", "-", ".", ",", "e5", "1e", "1e+", "E", "--1", "+-1", "1e5e5", "1,2,3", "1..2",
        "1 e5", "+ 5", "NaN", "nan", "inf", "-Infinity", "0x10", "0b1", "1,5e", "1.5e",
        "\u0661\u0662", "\uFF11\uFF12", "\u22125", "\u00B2", "\u00BD", "\uFEFF1",
        std::string("1\0", 2), std::string("\0", 1), "\x01", "1\x7f", "\v1", "1\r\n2", "\r",
        "\f1", "1\n", "\xFF", "1\xC3"};
    // clang-format on
    for (const char* dezimal : {",", "."}) {
        for (const std::string& stueck : keineZahlen) {
            clsRechenlauf lauf(dezimal);
            EXPECT_EQ(lauf.cmdCalculate_Click(Zustand(false, Semikolon, "1;" + stueck, "", {}))
                          .txtAusgabe,
                      kTyp)
                << "piece of " << stueck.size() << " bytes: " << stueck;
        }
    }
}

TEST(FeindlicheEingaben, PiecesOfAHundredThousandDigits) {
    const std::string nullen(99999, '0');
    Pruefen({
        {"1 and 99999 zeros", Zustand(false, Leer, "1" + nullen + " 2", "", {}), kUeberlauf},
        {"100000 nines", Zustand(false, Leer, "2 " + std::string(100000, '9'), "", {}), kUeberlauf},
        {"-100000 nines", Zustand(false, Leer, "-" + std::string(100000, '9'), "", {}), kUeberlauf},
        {"tiny", Zustand(false, Leer, "0," + nullen + "1 7", "", {}),
         Zeilen({"Urliste: 0  7", ""})},
        {"leading zeros", Zustand(false, Leer, nullen + "7 8", "", {}),
         Zeilen({"Urliste: 7  8", ""})},
        {"long fraction", Zustand(false, Leer, "1," + std::string(99999, '3') + " 2", "", {}),
         Zeilen({"Urliste: 1,33333333333333  2", ""})},
        {"long negative exponent",
         Zustand(false, Leer, "1e-" + std::string(99997, '9') + " 1", "", {}),
         Zeilen({"Urliste: 0  1", ""})},
        {"long exponent", Zustand(false, Leer, "1e" + std::string(99998, '9'), "", {}), kUeberlauf},
    });
}

TEST(FeindlicheEingaben, ValuesNearTheDoubleLimit) {
    // Each section shows its lines up to the failure and the overflow line; the next runs.
    Pruefen({
        {"1D", Zustand(false, Leer, "1e308 5e307 1e308", "", Alle(false)),
         Zeilen({"Urliste: 1E+308  5E+307  1E+308",
                 "",
                 "MODUS",
                 "Modus: 1E+308",
                 "",
                 "MEDIAN",
                 "Median: 1E+308",
                 "",
                 "ARITHMETISCHES MITTEL (MITTELWERT)",
                 "Überlauf",
                 "SPANNWEITE",
                 "SP: 5E+307",
                 "",
                 "DURCHSCHNITTLICHE ABWEICHUNG",
                 "sMed: 1,66666666666667E+307",
                 "Überlauf",
                 "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",
                 "Überlauf",
                 "STANDARDABWEICHNUNG",
                 "Überlauf"})},
        {"2D", Zustand(true, Leer, "1e308 1e308", "1 2", Alle(true)),
         Zeilen({"Merkmal     b1      b2",
                 "(x)  a1 1E+308  1E+308",
                 "(y)  a2      1       2",
                 "",
                 "Überlauf",  // the marginal table overflows before its title
                 "BEDINGTE HÄUFIGKEITEN",
                 "f(ai|bj): 1  1",
                 "f(ai|bj): 0  0",
                 "",
                 "Überlauf",
                 "UNABHÄNGIGKEITSQUOTIENTEN",
                 "Überlauf",
                 "SCHWERPUNKT",
                 "Überlauf",
                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
                 "Überlauf",
                 "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",
                 "rSP: 0,5",
                 "",
                 "Überlauf",  // the contingency coefficient, also before its title
                 "LINEARE REGRESSION",
                 "Überlauf",
                 "DETERMINATIONSKOEFFIZIENT",
                 "Überlauf"})},
        {"2D, squares overflow, sums do not",
         Zustand(true, Leer, "1e200 2e200", "1e200 3e200",
                 {"Schwerpunkt", "Bravais-Pearson-Korrelationskoeffizient",
                  "Spearmen-Rangkorrelationskoeffizient", "Lineare Regression"}),
         Zeilen({"Merkmal     b1      b2", "(x)  a1 1E+200  2E+200", "(y)  a2 1E+200  3E+200", "",
                 "SCHWERPUNKT", "xMitt = 1,5E+200", "yMitt = 2E+200", "",
                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT", "Überlauf",
                 "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN", "rSP: 1", "", "LINEARE REGRESSION",
                 "Überlauf"})},
    });
}

TEST(FeindlicheEingaben, FrequencyTablesThatCannotBeDivided) {
    const std::vector<std::string> tafeln = {"Randhäufigkeiten", "Bedingte Häufigkeiten",
                                             "Unabhängigkeitsquotienten", "Kontingenzkoeffizient"};
    Pruefen({
        {"all frequencies 0", Zustand(true, Leer, "0 0", "0 0", Alle(true)),
         Zeilen({"Merkmal b1  b2",
                 "(x)  a1  0   0",
                 "(y)  a2  0   0",
                 "",
                 "RANDHÄUFIGKEITEN",
                 "Merkmal | b1  b2 | hi.",
                 "--------+--------+-------",
                 "     a1 |  0   0 | 0",
                 "     a2 |  0   0 | 0",
                 "--------+--------+-------",
                 "    h.j |  0   0 | n=0",
                 "",
                 "BEDINGTE HÄUFIGKEITEN",
                 "Überlauf",
                 "UNABHÄNGIGKEITSQUOTIENTEN",
                 "Überlauf",
                 "SCHWERPUNKT",
                 "xMitt = 0",
                 "yMitt = 0",
                 "",
                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
                 "Überlauf",
                 "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",
                 "rSP: 1",
                 "",
                 "Überlauf",
                 "LINEARE REGRESSION",
                 "Überlauf",
                 "DETERMINATIONSKOEFFIZIENT",
                 "Überlauf"})},
        {"row sum 0", Zustand(true, Leer, "0 0", "1 2", tafeln),
         Zeilen({"Merkmal b1  b2",
                 "(x)  a1  0   0",
                 "(y)  a2  1   2",
                 "",
                 "RANDHÄUFIGKEITEN",
                 "Merkmal | b1  b2 | hi.",
                 "--------+--------+-------",
                 "     a1 |  0   0 | 0",
                 "     a2 |  1   2 | 3",
                 "--------+--------+-------",
                 "    h.j |  1   2 | n=3",
                 "",
                 "BEDINGTE HÄUFIGKEITEN",
                 "f(ai|bj): 0  0",
                 "f(ai|bj): 1  1",
                 "",
                 "Überlauf",
                 "UNABHÄNGIGKEITSQUOTIENTEN",
                 "h~a1: 0  0",
                 "h~a2: 1  2",
                 "",
                 "Überlauf"})},
        {"column sum 0", Zustand(true, Leer, "1 0", "2 0", tafeln),
         Zeilen({"Merkmal b1  b2", "(x)  a1  1   0", "(y)  a2  2   0", "", "RANDHÄUFIGKEITEN",
                 "Merkmal | b1  b2 | hi.", "--------+--------+-------", "     a1 |  1   0 | 1",
                 "     a2 |  2   0 | 2", "--------+--------+-------", "    h.j |  3   0 | n=3", "",
                 "BEDINGTE HÄUFIGKEITEN", "Überlauf", "UNABHÄNGIGKEITSQUOTIENTEN", "h~a1: 1  0",
                 "h~a2: 2  0", "", "Überlauf"})},
        {"negative frequencies, total 0", Zustand(true, Leer, "-1 2", "3 -4", tafeln),
         Zeilen({"Merkmal b1  b2",
                 "(x)  a1 -1   2",
                 "(y)  a2  3  -4",
                 "",
                 "RANDHÄUFIGKEITEN",
                 "Merkmal | b1  b2 | hi.",
                 "--------+--------+-------",
                 "     a1 | -1   2 | 1",
                 "     a2 |  3  -4 | -1",
                 "--------+--------+-------",
                 "    h.j |  2  -2 | n=0",
                 "",
                 "BEDINGTE HÄUFIGKEITEN",
                 "f(ai|bj): -0,5  -1",
                 "f(ai|bj):  1,5   2",
                 "",
                 "f(bj|ai): -1  2",
                 "f(bj|ai): -3  4",
                 "",
                 "UNABHÄNGIGKEITSQUOTIENTEN",
                 "Division durch Null",
                 "Division durch Null"})},
        {"negative frequencies, negative K²",
         Zustand(true, Leer, "-3 -3", "0 1",
                 {"Unabhängigkeitsquotienten", "Kontingenzkoeffizient"}),
         Zeilen({"Merkmal b1  b2", "(x)  a1 -3  -3", "(y)  a2  0   1", "",
                 "UNABHÄNGIGKEITSQUOTIENTEN", "h~a1: -3,6  -2,4", "h~a2:  0,6   0,4", "",
                 "Ungültiges Argument"})},
    });
}

TEST(FeindlicheEingaben, IdenticalValues) {
    const std::vector<std::string> paare = {
        "Schwerpunkt", "Bravais-Pearson-Korrelationskoeffizient",
        "Spearmen-Rangkorrelationskoeffizient", "Lineare Regression", "Determinationskoeffizient"};
    Pruefen({
        {"1D", Zustand(false, Leer, "5 5 5", "", Alle(false)),
         Zeilen({"Urliste: 5  5  5",
                 "",
                 "MODUS",
                 "Modus: 5",
                 "",
                 "MEDIAN",
                 "Median: 5",
                 "",
                 "ARITHMETISCHES MITTEL (MITTELWERT)",
                 "Mittelwert: 5",
                 "",
                 "SPANNWEITE",
                 "SP: 0",
                 "",
                 "DURCHSCHNITTLICHE ABWEICHUNG",
                 "sMed: 0",
                 "sMitt: 0",
                 "",
                 "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",
                 "s²x: 0",
                 "",
                 "STANDARDABWEICHNUNG",
                 "s: 0",
                 ""})},
        // Mean of squares minus squared mean would be a tiny negative number here, and its
        // root would fail; identical values have no spread.
        {"1D, not exact in binary",
         Zustand(
             false, Semikolon, "0,1;0,1;0,1", "",
             {"Arithmetisches Mittel", "Mittlere quadratische Abweichung", "Standardabweichnung"}),
         Zeilen({"Urliste: 0,1; 0,1; 0,1", "", "ARITHMETISCHES MITTEL (MITTELWERT)",
                 "Mittelwert: 0,1", "", "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)", "s²x: 0", "",
                 "STANDARDABWEICHNUNG", "s: 0", ""})},
        {"2D, x identical", Zustand(true, Leer, "2 2 2", "1 2 3", paare),
         Zeilen({"Merkmal b1  b2  b3", "(x)  a1  2   2   2", "(y)  a2  1   2   3", "",
                 "SCHWERPUNKT", "xMitt = 2", "yMitt = 2", "",
                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT", "Überlauf",
                 "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN", "rSP: 0,5", "", "LINEARE REGRESSION",
                 "Überlauf", "DETERMINATIONSKOEFFIZIENT", "Überlauf"})},
        {"2D, y identical", Zustand(true, Leer, "1 2 3", "4 4 4", paare),
         Zeilen({"Merkmal b1  b2  b3", "(x)  a1  1   2   3", "(y)  a2  4   4   4", "",
                 "SCHWERPUNKT", "xMitt = 2", "yMitt = 4", "",
                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT", "Überlauf",
                 "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN", "rSP: 0,5", "", "LINEARE REGRESSION",
                 "^b = 0", "^a = 4", "", "DETERMINATIONSKOEFFIZIENT", "Überlauf"})},
        {"2D, both identical", Zustand(true, Leer, "2 2", "2 2", paare),
         Zeilen({"Merkmal b1  b2", "(x)  a1  2   2", "(y)  a2  2   2", "", "SCHWERPUNKT",
                 "xMitt = 2", "yMitt = 2", "", "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
                 "Überlauf", "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN", "rSP: 1", "",
                 "LINEARE REGRESSION", "Überlauf", "DETERMINATIONSKOEFFIZIENT", "Überlauf"})},
        // With the details the steps up to the failing quotient stay: a root of exactly 0.
        {"2D, x identical, details",
         Zustand(true, Leer, "2 2 2", "1 2 3", {"Bravais-Pearson-Korrelationskoeffizient"}, true),
         Zeilen({"Merkmal b1  b2  b3", "(x)  a1  2   2   2", "(y)  a2  1   2   3", "",
                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT", "",
                 "                  Sum(xi*yi) - n*xMitt*yMitt",
                 "r = ---------------------------------------------------------",
                 "    Sqrt(Sum(xi²) - n*xMitt²) * Sqrt(Sum(yi²) - n*yMitt²)", "", "           0",
                 "r = ------------------------", "     0 * 1,4142135623731", "", "Überlauf"})},
    });
}

TEST(FeindlicheEingaben, DecimalPlacesBox) {
    struct NksFall {
        const char* nks;
        const char* zurueck;  // the box after the run
        const char* varianz;  // 14/9 as printed; nullptr: the error line instead
    };
    const NksFall faelle[] = {
        {"0", "3", "1,556"},
        {"", "3", "1,556"},
        {"a", "3", "1,556"},
        {"-", "3", "1,556"},
        {"9", "9", "1,555555556"},
        {"2,5", "2,5", "1,56"},
        {"2.5", "2.5", "1,56"},
        {"3.5", "3.5", "1,5556"},
        {" 1 2", " 1 2", "1,555555555556"},
        {"1e1", "1e1", "1,5555555556"},
        {"-0,4", "3", "1,556"},
        {"0x10", "3", "1,556"},
        {"0.4", "3", "1,556"},
        {"1e-9", "3", "1,556"},
        {"\t7\t", "\t7\t", "1,5555556"},
        {"+1", "+1", "1,6"},
        {"32767", "32767", "1,55555555555556"},
        {"-1", "-1", nullptr},
        {"-32768.5", "-32768.5", nullptr},
    };
    for (const NksFall& f : faelle) {
        clsRechenlauf lauf(",");
        const auto erg = lauf.cmdCalculate_Click(
            Zustand(false, Leer, " 1 2 4", "", {"Median", "Mittlere quadratische Abweichung"},
                    false, f.nks));
        EXPECT_EQ(erg.txtNks, f.zurueck) << f.nks;
        // A negative number of places fails every rounded result; the median is not rounded.
        const std::string varianz = f.varianz ? Zeilen({std::string("s²x: ") + f.varianz, ""})
                                              : Zeilen({"Ungültiges Argument"});
        EXPECT_EQ(erg.txtAusgabe, Zeilen({"Urliste: 1  2  4", "", "MEDIAN", "Median: 2", "",
                                          "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)"}) +
                                      varianz)
            << f.nks;
    }
    // Out of the 16-bit range: the run ends before it looks at the boxes.
    for (const char* nks : {"32768", "1e9", "32767.5", "-32769", "99999999999999999999", "1e400"}) {
        clsRechenlauf lauf(",");
        const auto erg =
            lauf.cmdCalculate_Click(Zustand(false, Leer, " 1 2 ", "", {"Median"}, false, nks));
        EXPECT_EQ(erg.txtAusgabe, kUeberlauf) << nks;
        EXPECT_EQ(erg.txtM1, " 1 2 ") << nks;
        EXPECT_EQ(erg.txtNks, nks);
    }
}

TEST(FeindlicheEingaben, ListLengthsAtTheLimit) {
    auto einsen = [](int n) {
        return Liste(
            n, [](int) { return "1"; }, " ");
    };
    Pruefen({
        {"2D, 32768 pairs", Zustand(true, Leer, einsen(32768), einsen(32768), {"Schwerpunkt"}),
         kUeberlauf},
        {"2D, 32769 values in the second box",
         Zustand(true, Leer, einsen(32767), einsen(32769), {}), kUeberlauf},
        {"2D, 32768 values in the second box",
         Zustand(true, Leer, einsen(32767), einsen(32768), {}), kUngleich},
        {"1D, 32769 empty pieces", Zustand(false, Semikolon, std::string(32768, ';'), "", {}),
         kUeberlauf},
    });
}

TEST(FeindlicheEingaben, LargestOneDimensionalList) {
    // 16384 zeros and 16383 ones, alternating; every section with its details.
    const int n = 32767;
    auto wert = [](int i) { return i % 2 == 0 ? "0" : "1"; };
    const std::string eingabe = Liste(n, wert, " ");
    const std::string sortiert = Liste(
        n, [](int i) { return i < 16384 ? "0" : "1"; }, "  ");

    std::string bericht;
    const double dauer = Sekunden([&] {
        clsRechenlauf lauf(",");
        bericht = lauf.cmdCalculate_Click(Zustand(false, Leer, eingabe, "", Alle(false), true))
                      .txtAusgabe;
    });
    EXPECT_EQ(bericht, Zeilen({"Urliste: " + Liste(n, wert, "  "),
                               "",
                               "MODUS",
                               "Modus: 0",
                               "",
                               "MEDIAN",
                               "Sort:   " + sortiert,
                               "Median: 0",
                               "",
                               "ARITHMETISCHES MITTEL (MITTELWERT)",
                               "Mittelwert: 0,5",
                               "",
                               "SPANNWEITE",
                               "SP: 1",
                               "",
                               "DURCHSCHNITTLICHE ABWEICHUNG",
                               "sMed: 0,5",
                               "sMitt: 0,5",
                               "",
                               "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",
                               "s²x: 0,25",
                               "",
                               "STANDARDABWEICHNUNG",
                               "s: 0,5",
                               ""}));

    // Near-linear: an eighth of the list takes about an eighth of the time.
    const double achtel = Sekunden([&] {
        clsRechenlauf lauf(",");
        lauf.cmdCalculate_Click(
            Zustand(false, Leer, Liste(n / 8, wert, " "), "", Alle(false), true));
    });
    EXPECT_LT(dauer, 24 * achtel + 1.0) << dauer << " s against " << achtel << " s";
}

TEST(FeindlicheEingaben, LargestTwoDimensionalList) {
    // x alternates 1, 2; y = 2x: a perfect line, every section with its details.
    const int n = 32767;
    auto x = [](int i) { return std::string(i % 2 == 0 ? "1" : "2"); };
    auto y = [](int i) { return std::string(i % 2 == 0 ? "2" : "4"); };
    auto lauf2D = [&](int anzahl, std::string& bericht) {
        clsRechenlauf lauf(",");
        bericht = lauf.cmdCalculate_Click(Zustand(true, Leer, Liste(anzahl, x, " "),
                                                  Liste(anzahl, y, " "), Alle(true), true))
                      .txtAusgabe;
    };
    std::string bericht, klein;
    const double dauer = Sekunden([&] { lauf2D(n, bericht); });
    const double achtel = Sekunden([&] { lauf2D(n / 8, klein); });
    EXPECT_LT(dauer, 24 * achtel + 1.0) << dauer << " s against " << achtel << " s";

    // Each column is as wide as its label b1 .. b32767.
    auto gepolstert = [&](const std::function<std::string(int)>& wert) {
        return Liste(
            n,
            [&](int i) {
                const std::string marke = "b" + std::to_string(i + 1);
                return std::string(marke.size() - 1, ' ') + wert(i);
            },
            "  ");
    };
    const std::vector<std::string> zeilen = InZeilen(bericht);
    ASSERT_GT(zeilen.size(), 60u);
    const std::vector<std::string> anfang = {
        "Merkmal " + Liste(
                         n, [](int i) { return "b" + std::to_string(i + 1); }, "  "),
        "(x)  a1 " + gepolstert(x),
        "(y)  a2 " + gepolstert(y),
        "",
        "Überlauf",  // the joined labels of the marginal table are longer than 32767
        "BEDINGTE HÄUFIGKEITEN",
        ""};
    EXPECT_EQ(std::vector<std::string>(zeilen.begin(), zeilen.begin() + 7), anfang);
    const std::string zaehler = "     327664 - 32767 * 3²";
    const std::vector<std::string> ende = {"Sum(^yi²) = 327664",
                                           "n = 32767",
                                           "yMitt = 3",
                                           "Sum(y²) = 327664",
                                           "",
                                           zaehler,
                                           "R² = " + std::string(19, '-') + " = 1",
                                           zaehler,
                                           ""};
    EXPECT_EQ(std::vector<std::string>(zeilen.end() - 9, zeilen.end()), ende);
    // The contingency coefficient fails in its embedded table and leaves the detail switch
    // on for the regression after it.
    EXPECT_NE(bericht.find(Zeilen({"KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten", "Überlauf",
                                   "LINEARE REGRESSION", ""})),
              std::string::npos);
    for (const std::string& teil :
         {Zeilen({"xMitt = 49150 / 32767", "yMitt = 98300 / 32767", "xMitt = 1,5", "yMitt = 3", "",
                  "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT"}),
          Zeilen({"r = 1", "", "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN"}),
          Zeilen({"rSP = 1", "", "KONTINGENZKOEFFIZIENT"}),
          Zeilen({"^a = 3 - 2 * 1,5 = 0", "", "DETERMINATIONSKOEFFIZIENT"})})
        EXPECT_NE(bericht.find(teil), std::string::npos) << teil;
}

TEST(FeindlicheEingaben, MostDecimalPlacesCostNoMoreThanFew) {
    // Up to 32767 places may be asked for, but a double has only so many of its own (no
    // binary digit below 2^(e - 53) for a value of binary exponent e): rounding to more
    // places leaves it as it is and must not cost time in proportion to the places asked.
    const int n = 32767;
    auto x = [](int i) { return std::to_string(i % 7 + 1) + ",37"; };
    auto y = [](int i) { return std::to_string(i % 5 + 2) + ",11"; };
    auto lauf = [&](const char* nks, std::string& bericht) {
        return Sekunden([&] {
            clsRechenlauf l(",");
            bericht = l.cmdCalculate_Click(Zustand(true, Leer, Liste(n, x, " "), Liste(n, y, " "),
                                                   Alle(true), true, nks))
                          .txtAusgabe;
        });
    };
    std::string wenige, tausend, alle;
    const double kurz = lauf("3", wenige);
    const double lang = lauf("1000", tausend);
    const double laengst = lauf("32767", alle);
    EXPECT_EQ(tausend, alle);
    EXPECT_EQ(InZeilen(alle).size(), InZeilen(wenige).size());
    EXPECT_NE(alle.find("\r\nh~a1: 1,79336841896403"), std::string::npos);
    EXPECT_LT(lang, 3 * kurz + 0.2) << lang << " s against " << kurz << " s";
    EXPECT_LT(laengst, 3 * kurz + 0.2) << laengst << " s against " << kurz << " s";
}

TEST(FeindlicheEingaben, FloodOfSeparatorsIsRefusedCheaply) {
    // Ten megabytes of separators are ten million pieces, far more than a list holds: they
    // are refused as fast as one piece of ten million digits, without cutting every piece
    // out first.
    const std::size_t groesse = 10'000'000;
    auto dauer = [](int trenner, const std::string& text) {
        double beste = 1e9;
        for (int i = 0; i < 2; ++i) {
            beste = std::min(
                beste, Sekunden([&] {
                    clsRechenlauf lauf(",");
                    EXPECT_EQ(
                        lauf.cmdCalculate_Click(Zustand(false, trenner, text, "", {})).txtAusgabe,
                        kUeberlauf);
                }));
        }
        return beste;
    };
    const double ziffern = dauer(Semikolon, std::string(groesse, '7'));
    const double trenner = dauer(Semikolon, std::string(groesse, ';'));
    EXPECT_LT(trenner, 4 * ziffern + 0.2) << trenner << " s against " << ziffern << " s";
}

// The four frequency-table sections: marginal frequencies, conditional frequencies, expected
// frequencies under independence and the contingency coefficient.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Laufzeitfehler.h"
#include "core/Rechenlauf.h"

namespace {

using zv::clsRechenlauf;
using zv::Fehlerart;
using Zeilen = std::vector<std::string>;

enum class Abschnitt { Rand, RandOhneTitel, Bedingt, Unabh, UnabhOhneTitel, Kontingenz };

struct Eingabe {
    std::vector<double> m1, m2;
    int nks = 3;
    bool detail = false;
    int trenner = 2;  // 0 blank, 1 comma, 2 semicolon, 3 tab
};

struct Fall {
    const char* name;
    Abschnitt abschnitt;
    Eingabe eingabe;
    Zeilen erwartet;                  // every line appended before the section ended
    std::optional<Fehlerart> fehler;  // the run-time error that ended it, if any
};

void Vorbereiten(clsRechenlauf& lauf, const Eingabe& e) {
    lauf.M1 = e.m1;
    lauf.M2 = e.m2;
    lauf.M1Max = static_cast<std::int16_t>(e.m1.size() - 1);
    lauf.M2Max = static_cast<std::int16_t>(e.m2.size() - 1);
    lauf.Nks = static_cast<std::int16_t>(e.nks);
    lauf.Detail = e.detail;
    lauf.TrennzeichenSetzen(e.trenner);
}

std::optional<Fehlerart> Ausfuehren(clsRechenlauf& lauf, Abschnitt a) {
    bool mitTitel = false, ohneTitel = true;
    try {
        switch (a) {
            case Abschnitt::Rand:
                lauf.AusgabeRandhaeufigkeiten(mitTitel);
                break;
            case Abschnitt::RandOhneTitel:
                lauf.AusgabeRandhaeufigkeiten(ohneTitel);
                break;
            case Abschnitt::Bedingt:
                lauf.AusgabeBedingteHaeufigkeiten(mitTitel);
                break;
            case Abschnitt::Unabh:
                lauf.AusgabeUnabhaengigkeitsquotienten(mitTitel);
                break;
            case Abschnitt::UnabhOhneTitel:
                lauf.AusgabeUnabhaengigkeitsquotienten(ohneTitel);
                break;
            case Abschnitt::Kontingenz:
                lauf.AusgabeKontingenzkoeffizient();
                break;
        }
    } catch (const zv::Laufzeitfehler& f) {
        return f.Art();
    }
    return std::nullopt;
}

std::string Text(const Zeilen& zeilen) {
    std::string t;
    for (const auto& z : zeilen) t += z + "\r\n";
    return t;
}

// The entry repeated k times, joined with the separator.
std::string Wiederholt(const std::string& eintrag, int k, const std::string& trenner) {
    std::string t = eintrag;
    for (int i = 1; i < k; ++i) t += trenner + eintrag;
    return t;
}

const std::vector<double> kA1{10, 20, 5}, kA2{3, 7, 15};
const Zeilen kTafel{"Merkmal | b1; b2; b3 | hi.",
                    "--------+------------+-------",
                    "     a1 | 10; 20;  5 | 35",
                    "     a2 |  3;  7; 15 | 25",
                    "--------+------------+-------",
                    "    h.j | 13; 27; 20 | n=60",
                    ""};

Zeilen Mit(Zeilen vorn, const Zeilen& hinten) {
    vorn.insert(vorn.end(), hinten.begin(), hinten.end());
    return vorn;
}

const std::string kRegel39 = "--------+-" + std::string(39, '-') + "-+-------";

const Fall kFaelle[] = {
    // ---- Marginal frequencies ----
    {"Rand Beispiel", Abschnitt::Rand, {kA1, kA2}, Mit({"RANDHÄUFIGKEITEN"}, kTafel), {}},
    {"Rand Detail mit Titel",
     Abschnitt::Rand,
     {kA1, kA2, 3, true},
     Mit({"RANDHÄUFIGKEITEN", ""}, kTafel),
     {}},
    {"Rand k=1, Detail ohne Titel",
     Abschnitt::RandOhneTitel,
     {{3}, {4}, 3, true},
     {"", "Merkmal | b1 | hi.", "--------+----+-------", "     a1 |  3 | 3", "     a2 |  4 | 4",
      "--------+----+-------", "    h.j |  7 | n=7", ""},
     {}},
    {"Rand Dezimal und negativ",
     Abschnitt::RandOhneTitel,
     {{-2.5}, {4}},
     {"Merkmal |   b1 | hi.", "--------+------+-------", "     a1 | -2,5 | -2,5",
      "     a2 |    4 | 4", "--------+------+-------", "    h.j |  1,5 | n=1,5", ""},
     {}},
    {"Rand b10 mit Leerzeichen",
     Abschnitt::Rand,
     {std::vector<double>(10, 1), std::vector<double>(10, 2), 3, false, 0},
     {"RANDHÄUFIGKEITEN", "Merkmal | b1  b2  b3  b4  b5  b6  b7  b8  b9  b10 | hi.", kRegel39,
      "     a1 |  1   1   1   1   1   1   1   1   1    1 | 10",
      "     a2 |  2   2   2   2   2   2   2   2   2    2 | 20", kRegel39,
      "    h.j |  3   3   3   3   3   3   3   3   3    3 | n=30", ""},
     {}},
    {"Rand Tabulator",
     Abschnitt::Rand,
     {{1, 2}, {3, 4}, 3, false, 3},
     {"RANDHÄUFIGKEITEN", "Merkmal | b1\t b2 | hi.", "--------+--------+-------",
      "     a1 |  1\t  2 | 3", "     a2 |  3\t  4 | 7", "--------+--------+-------",
      "    h.j |  4\t  6 | n=10", ""},
     {}},
    // The column sums and n are fine, the engine's row sum of a1 overflows.
    {"Rand Zeilensumme Ueberlauf",
     Abschnitt::Rand,
     {{1e308, 1e308}, {-1e308, -1e308}},
     {"RANDHÄUFIGKEITEN", "Merkmal |      b1;      b2 | hi.",
      "--------+------------------+-------"},
     Fehlerart::Ueberlauf},

    // ---- Conditional frequencies ----
    {"Bedingt Beispiel",
     Abschnitt::Bedingt,
     {kA1, kA2, 2, true},
     {"BEDINGTE HÄUFIGKEITEN", "", "            hij", "f(ai|bj) = -----      h.j = 13; 27; 20",
      "            h.j", "", "f(ai|bj): 0,77; 0,74; 0,25", "f(ai|bj): 0,23; 0,26; 0,75", "",
      "            hij ", "f(bj|ai) = -----      hi. = 35; 25", "            hi. ", "",
      "f(bj|ai): 0,29; 0,57; 0,14", "f(bj|ai): 0,12; 0,28;  0,6", ""},
     {}},
    {"Bedingt ohne Detail",
     Abschnitt::Bedingt,
     {kA1, kA2, 2},
     {"BEDINGTE HÄUFIGKEITEN", "f(ai|bj): 0,77; 0,74; 0,25", "f(ai|bj): 0,23; 0,26; 0,75", "",
      "f(bj|ai): 0,29; 0,57; 0,14", "f(bj|ai): 0,12; 0,28;  0,6", ""},
     {}},
    {"Bedingt halbe zur geraden, ganze Zahlen, Leerzeichen",
     Abschnitt::Bedingt,
     {{1, 5}, {7, 0}, 2, true, 0},
     {"BEDINGTE HÄUFIGKEITEN", "", "            hij", "f(ai|bj) = -----      h.j = 8  5",
      "            h.j", "", "f(ai|bj): 0,12  1", "f(ai|bj): 0,88  0", "", "            hij ",
      "f(bj|ai) = -----      hi. = 6  7", "            hi. ", "", "f(bj|ai): 0,17  0,83",
      "f(bj|ai):    1     0", ""},
     {}},
    {"Bedingt k=1, Spaltensumme voll",
     Abschnitt::Bedingt,
     {{1}, {0.2346}, 2, true},
     {"BEDINGTE HÄUFIGKEITEN", "", "            hij", "f(ai|bj) = -----      h.j = 1,2346",
      "            h.j", "", "f(ai|bj): 0,81", "f(ai|bj): 0,19", "", "            hij ",
      "f(bj|ai) = -----      hi. = 1; 0,23", "            hi. ", "", "f(bj|ai): 1", "f(bj|ai): 1",
      ""},
     {}},
    {"Bedingt Spaltensumme 0",
     Abschnitt::Bedingt,
     {{1, 2}, {-1, 3}, 2, true},
     {"BEDINGTE HÄUFIGKEITEN", "", "            hij", "f(ai|bj) = -----      h.j = 0; 5",
      "            h.j", ""},
     Fehlerart::DivisionDurchNull},
    {"Bedingt Spalte aus zwei Nullen",
     Abschnitt::Bedingt,
     {{0, 2}, {0, 3}, 2},
     {"BEDINGTE HÄUFIGKEITEN"},
     Fehlerart::Ueberlauf},
    {"Bedingt Zeilensumme 0",
     Abschnitt::Bedingt,
     {{1, -1}, {2, 3}, 2, true},
     {"BEDINGTE HÄUFIGKEITEN", "", "            hij", "f(ai|bj) = -----      h.j = 3; 2",
      "            h.j", "", "f(ai|bj): 0,33; -0,5", "f(ai|bj): 0,67;  1,5", "", "            hij ",
      "f(bj|ai) = -----      hi. = 0; 5", "            hi. ", ""},
     Fehlerart::DivisionDurchNull},

    // The row sums are first needed in the second detail block.
    {"Bedingt Zeilensumme Ueberlauf",
     Abschnitt::Bedingt,
     {{1e308, 1e308}, {1, 1}, 2, true},
     {"BEDINGTE HÄUFIGKEITEN", "", "            hij", "f(ai|bj) = -----      h.j = 1E+308; 1E+308",
      "            h.j", "", "f(ai|bj): 1; 1", "f(ai|bj): 0; 0", "", "            hij "},
     Fehlerart::Ueberlauf},

    // ---- Expected frequencies ----
    {"Unabh Beispiel",
     Abschnitt::Unabh,
     {kA1, kA2, 2, true},
     {"UNABHÄNGIGKEITSQUOTIENTEN", "", "h~a1: 7,58; 15,75; 11,67", "h~a2: 5,42; 11,25;  8,33", ""},
     {}},
    {"Unabh ganze Zahlen ohne Titel",
     Abschnitt::UnabhOhneTitel,
     {{6, 4}, {0, 10}, 2},
     {"h~a1: 3; 7", "h~a2: 3; 7", ""},
     {}},
    {"Unabh halbe zur geraden",
     Abschnitt::Unabh,
     {{1, 0}, {0, 7}, 2},
     {"UNABHÄNGIGKEITSQUOTIENTEN", "h~a1: 0,12; 0,88", "h~a2: 0,88; 6,12", ""},
     {}},
    {"Unabh k=1",
     Abschnitt::Unabh,
     {{3}, {4.5}, 2},
     {"UNABHÄNGIGKEITSQUOTIENTEN", "h~a1:   3", "h~a2: 4,5", ""},
     {}},
    {"Unabh nur Nullen",
     Abschnitt::Unabh,
     {{0, 0}, {0, 0}, 2, true},
     {"UNABHÄNGIGKEITSQUOTIENTEN", ""},
     Fehlerart::Ueberlauf},

    // ---- Contingency coefficient ----
    {"Kontingenz Beispiel",
     Abschnitt::Kontingenz,
     {kA1, kA2, 3, true},
     Mit(Mit({"KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten"}, kTafel),
         {"Theoretische Häufigkeiten",
          "h~a1: 7,583; 15,75; 11,667",
          "h~a2: 5,417; 11,25;  8,333",
          "",
          "        k   l   (hij - h~ij)²",
          "chi² = Sum(Sum(--------------))",
          "       i=1 j=1      h~ij",
          "",
          "chi² = 13,744",
          "",
          "           chi²",
          "K = Sqrt(----------)",
          "          n + chi²",
          "",
          "K = 0,432",
          "",
          "        K                      M - 1           2 - 1",
          "K* = -------      Kmax = Sqrt(-------) = Sqrt(-------) = 0,707",
          "      Kmax                       M               2",
          "",
          "K* = 0,611",
          ""}),
     {}},
    {"Kontingenz ohne Detail",
     Abschnitt::Kontingenz,
     {kA1, kA2, 3},
     {"KONTINGENZKOEFFIZIENT", "chi² = 13,744", "K = 0,432", "Kmax = 0,707", "K* = 0,611", ""},
     {}},
    {"Kontingenz proportional",
     Abschnitt::Kontingenz,
     {{1, 2}, {2, 4}, 3},
     {"KONTINGENZKOEFFIZIENT", "chi² = 0", "K = 0", "Kmax = 0,707", "K* = 0", ""},
     {}},
    {"Kontingenz vollstaendig",
     Abschnitt::Kontingenz,
     {{5, 0}, {0, 5}, 2},
     {"KONTINGENZKOEFFIZIENT", "chi² = 10", "K = 0,71", "Kmax = 0,71", "K* = 1", ""},
     {}},
    // Everything is computed before the first line: a failure leaves nothing behind.
    {"Kontingenz n=0", Abschnitt::Kontingenz, {{0, 0}, {0, 0}, 3, true}, {}, Fehlerart::Ueberlauf},
    {"Kontingenz Spaltensumme 0",
     Abschnitt::Kontingenz,
     {{1, 2}, {-1, 3}, 3, true},
     {},
     Fehlerart::DivisionDurchNull},
    {"Kontingenz Zeile aus Nullen",
     Abschnitt::Kontingenz,
     {{0, 0}, {1, 2}},
     {},
     Fehlerart::Ueberlauf},
    {"Kontingenz negative Wurzel",
     Abschnitt::Kontingenz,
     {{-3, -3}, {0, 1}},
     {},
     Fehlerart::UngueltigesArgument},
    // The embedded expected-frequency table fails on the negative number of places.
    {"Kontingenz eingebettete Tafel scheitert",
     Abschnitt::Kontingenz,
     {kA1, kA2, -1, true},
     Mit(Mit({"KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten"}, kTafel),
         {"Theoretische Häufigkeiten"}),
     Fehlerart::UngueltigesArgument},
};

TEST(Haeufigkeitstafel, ZeileFuerZeile) {
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.name);
        clsRechenlauf lauf(",");
        Vorbereiten(lauf, fall.eingabe);
        EXPECT_EQ(Ausfuehren(lauf, fall.abschnitt), fall.fehler);
        EXPECT_EQ(lauf.Ausgabe->Value(), Text(fall.erwartet));
        // Whatever happened inside, the user's detail setting is what it was.
        EXPECT_EQ(lauf.Detail, fall.eingabe.detail);
    }
}

// 4839 columns give a joined label row of 32764 characters; widening column 1 by three or
// four characters brings it to exactly 32767 (still fits) or 32768 (does not).
TEST(Haeufigkeitstafel, RandBeschriftungHoechstens32767Zeichen) {
    for (double breit : {12345.0, 123456.0}) {
        clsRechenlauf lauf(",");
        Eingabe e{std::vector<double>(4839, 1), std::vector<double>(4839, 1), 3, false, 1};
        e.m1[0] = breit;
        Vorbereiten(lauf, e);
        const bool passt = breit < 100000;
        SCOPED_TRACE(passt ? "32767" : "32768");
        EXPECT_EQ(Ausfuehren(lauf, Abschnitt::Rand),
                  passt ? std::nullopt : std::optional(Fehlerart::Ueberlauf));
        const std::string text = lauf.Ausgabe->Value();
        if (!passt) {
            EXPECT_EQ(text, "");  // not even the title
            continue;
        }
        const std::string regel = "--------+-" + std::string(32767, '-') + "-+-------\r\n";
        EXPECT_EQ(text.rfind("RANDHÄUFIGKEITEN\r\nMerkmal |    b1, b2, ", 0), 0u);
        EXPECT_NE(text.find("\r\n" + regel + "     a1 | 12345,  1, "), std::string::npos);
        EXPECT_NE(text.find(" | n=22022\r\n\r\n"), std::string::npos);
    }
}

// Lists of 32767 values are handled by every section; the marginal table cannot show so many
// columns, and the contingency section gives the user's Detail back when its embedded table
// fails.
TEST(Haeufigkeitstafel, GroessteListen) {
    const int k = 32767;
    auto neu = [&](int nks, bool detail) {
        auto lauf = std::make_unique<clsRechenlauf>(",");
        Vorbereiten(*lauf, {std::vector<double>(k, 1), std::vector<double>(k, 3), nks, detail});
        return lauf;
    };
    {
        auto lauf = neu(2, false);
        EXPECT_EQ(Ausfuehren(*lauf, Abschnitt::Bedingt), std::nullopt);
        EXPECT_EQ(lauf->Ausgabe->Value(),
                  Text({"BEDINGTE HÄUFIGKEITEN", "f(ai|bj): " + Wiederholt("0,25", k, "; "),
                        "f(ai|bj): " + Wiederholt("0,75", k, "; "), "",
                        "f(bj|ai): " + Wiederholt("0", k, "; "),
                        "f(bj|ai): " + Wiederholt("0", k, "; "), ""}));
    }
    {
        auto lauf = neu(2, false);
        EXPECT_EQ(Ausfuehren(*lauf, Abschnitt::Unabh), std::nullopt);
        EXPECT_EQ(lauf->Ausgabe->Value(),
                  Text({"UNABHÄNGIGKEITSQUOTIENTEN", "h~a1: " + Wiederholt("1", k, "; "),
                        "h~a2: " + Wiederholt("3", k, "; "), ""}));
    }
    {
        auto lauf = neu(3, false);
        EXPECT_EQ(Ausfuehren(*lauf, Abschnitt::Kontingenz), std::nullopt);
        EXPECT_EQ(lauf->Ausgabe->Value(), Text({"KONTINGENZKOEFFIZIENT", "chi² = 0", "K = 0",
                                                "Kmax = 0,707", "K* = 0", ""}));
    }
    {
        auto lauf = neu(3, false);
        EXPECT_EQ(Ausfuehren(*lauf, Abschnitt::Rand), Fehlerart::Ueberlauf);
        EXPECT_EQ(lauf->Ausgabe->Value(), "");
    }
    {
        auto lauf = neu(3, true);
        EXPECT_EQ(Ausfuehren(*lauf, Abschnitt::Kontingenz), Fehlerart::Ueberlauf);
        EXPECT_EQ(lauf->Ausgabe->Value(), Text({"KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten"}));
        EXPECT_TRUE(lauf->Detail);
    }
}

// One value more than a 16-bit counter can walk.
TEST(Haeufigkeitstafel, MehrAls32767Werte) {
    const struct {
        Abschnitt abschnitt;
        Zeilen vorher;
    } faelle[] = {{Abschnitt::Rand, {}},
                  {Abschnitt::Bedingt, {}},
                  {Abschnitt::Unabh, {"UNABHÄNGIGKEITSQUOTIENTEN"}},
                  {Abschnitt::Kontingenz, {}}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(static_cast<int>(f.abschnitt));
        clsRechenlauf lauf(",");
        Vorbereiten(lauf, {std::vector<double>(32768, 1), std::vector<double>(32768, 1)});
        EXPECT_EQ(Ausfuehren(lauf, f.abschnitt), Fehlerart::Ueberlauf);
        EXPECT_EQ(lauf.Ausgabe->Value(), Text(f.vorher));
    }
}

}  // namespace

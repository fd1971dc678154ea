#include <gtest/gtest.h>

#include "Berichtstest.h"

using namespace zv;
using zvtest::Zeilen;
using zvtest::Zustand;

namespace {

// The report of the one-dimensional run without its raw-list head.
std::string Abschnitte(int trenner, const std::string& werte, std::vector<std::string> auswahl,
                       bool detail = false, const std::string& nks = "3") {
    clsRechenlauf lauf(",");
    std::string bericht =
        lauf.cmdCalculate_Click(Zustand(false, trenner, werte, "", std::move(auswahl), detail, nks))
            .txtAusgabe;
    if (bericht.rfind("Urliste: ", 0) == 0) bericht.erase(0, bericht.find("\r\n\r\n") + 4);
    return bericht;
}

enum { Leer = 0, Komma = 1, Semikolon = 2 };

}  // namespace

TEST(Lage, WorkedExamples) {
    struct Fall {
        int trenner;
        const char* werte;
        const char* statistik;
        bool detail;
        const char* nks;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {Komma, "3,1,2", "Median", true, "3", Zeilen({"MEDIAN", "Sort:   1, 2, 3", "Median: 2", ""})},
        {Komma, "3,1,2", "Median", false, "3", Zeilen({"MEDIAN", "Median: 2", ""})},
        {Komma, "4,1,3,2", "Median", true, "3",
         Zeilen({"MEDIAN", "Sort:   1, 2, 3, 4", "Median: 2,5", ""})},
        {Komma, "1,2,2", "Arithmetisches Mittel", false, "3",
         Zeilen({"ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 1,667", ""})},
        {Komma, "1,2,2", "Arithmetisches Mittel", false, "2",
         Zeilen({"ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 1,67", ""})},
        {Semikolon, "0,125;0,125", "Arithmetisches Mittel", false, "2",
         Zeilen({"ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 0,12", ""})},
        {Semikolon, "2,5;2,5", "Arithmetisches Mittel", false, "3",
         Zeilen({"ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 2,5", ""})},
        {Komma, "2,3,2,3,1", "Modus", false, "3", Zeilen({"MODUS", "Modus: 2, 3", ""})},
        {Komma, "3,1,3,1", "Modus", false, "3", Zeilen({"MODUS", "Modus: 3, 1", ""})},
        {Komma, "1,2,3", "Modus", false, "3", Zeilen({"MODUS", "Modus: kein Modus gefunden!", ""})},
        {Komma, "5", "Modus", false, "3", Zeilen({"MODUS", "Modus: kein Modus gefunden!", ""})},
        {Semikolon, "1;2;3;3", "Median", true, "1",  // the median is never rounded
         Zeilen({"MEDIAN", "Sort:   1; 2; 3; 3", "Median: 2,5", ""})},
        {Semikolon, "1;1;2", "Median", false, "3", Zeilen({"MEDIAN", "Median: 1", ""})},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Abschnitte(f.trenner, f.werte, {f.statistik}, f.detail, f.nks), f.erwartet)
            << f.werte << " " << f.statistik;

    EXPECT_EQ(Abschnitte(Leer, "2 3 2 3 1", {"Modus", "Median"}, true),
              Zeilen({"MODUS", "Modus: 2  3", "", "MEDIAN", "Sort:   1  2  2  3  3", "Median: 2", ""}));
    EXPECT_EQ(Abschnitte(Semikolon, "0;1;0;1;1", {"Median"}), Zeilen({"MEDIAN", "Median: 1", ""}));
}

TEST(Streuung, WorkedExamples) {
    const std::vector<std::string> alle = {"Spannweite", "Durchschnittliche Abweichung",
                                           "Mittlere quadratische Abweichung",
                                           "Standardabweichnung"};
    auto erwartet = [](const char* sp, const char* smed, const char* smitt, const char* var,
                       const char* s) {
        return Zeilen({"SPANNWEITE", std::string("SP: ") + sp, "", "DURCHSCHNITTLICHE ABWEICHUNG",
                       std::string("sMed: ") + smed, std::string("sMitt: ") + smitt, "",
                       "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)", std::string("s²x: ") + var, "",
                       "STANDARDABWEICHNUNG", std::string("s: ") + s, ""});
    };
    EXPECT_EQ(Abschnitte(Komma, "2,4,4,4,5,5,7,9", alle), erwartet("7", "1,5", "1,5", "4", "2"));
    EXPECT_EQ(Abschnitte(Komma, "1,2,3,10", alle), erwartet("9", "2,5", "3", "12,5", "3,536"));
    EXPECT_EQ(Abschnitte(Komma, "1,2", alle), erwartet("1", "0,5", "0,5", "0,25", "0,5"));
    EXPECT_EQ(Abschnitte(Komma, "1,2,4", alle), erwartet("3", "1", "1,111", "1,556", "1,247"));
    EXPECT_EQ(Abschnitte(Komma, "1,2,4", alle, false, "0"), erwartet("3", "1", "1,111", "1,556", "1,247"));
    EXPECT_EQ(Abschnitte(Komma, "1,2,4", alle, false, "1"), erwartet("3", "1", "1,1", "1,6", "1,2"));
    EXPECT_EQ(Abschnitte(Komma, "6", alle), erwartet("0", "0", "0", "0", "0"));
    // Identical values: exactly 0, so the standard deviation does not fail.
    EXPECT_EQ(Abschnitte(Semikolon, "0,1;0,1;0,1", alle), erwartet("0", "0", "0", "0", "0"));
    // A large mean costs no precision: 2/3, not 0,672.
    EXPECT_EQ(Abschnitte(Semikolon, "10000001;10000002;10000003", alle),
              erwartet("2", "0,667", "0,667", "0,667", "0,816"));
}

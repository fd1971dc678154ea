#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/Optionen.h"
#include "sections/Berichtstest.h"

using zvtest::Zeilen;

namespace {

struct Ausgang {
    int code;
    std::string aus, fehler;
};

Ausgang Werkzeug(std::vector<std::string> argumente, const std::string& stdin_text = "") {
    std::istringstream ein(stdin_text);
    std::ostringstream aus, fehler;
    const int code = zv::ReportWerkzeug(argumente, ein, aus, fehler);
    return {code, aus.str(), fehler.str()};
}

const std::string kKontingenz = Zeilen({
    "Merkmal b1; b2; b3", "(x)  a1 10; 20;  5", "(y)  a2  3;  7; 15", "",
    "KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten",
    "Merkmal | b1; b2; b3 | hi.", "--------+------------+-------",
    "     a1 | 10; 20;  5 | 35", "     a2 |  3;  7; 15 | 25", "--------+------------+-------",
    "    h.j | 13; 27; 20 | n=60", "", "Theoretische Häufigkeiten",
    "h~a1: 7,583; 15,75; 11,667", "h~a2: 5,417; 11,25;  8,333", "",
    "        k   l   (hij - h~ij)²", "chi² = Sum(Sum(--------------))",
    "       i=1 j=1      h~ij", "", "chi² = 13,744", "", "           chi²",
    "K = Sqrt(----------)", "          n + chi²", "", "K = 0,432", "",
    "        K                      M - 1           2 - 1",
    "K* = -------      Kmax = Sqrt(-------) = Sqrt(-------) = 0,707",
    "      Kmax                       M               2", "", "K* = 0,611", ""});

}  // namespace

TEST(ReportWerkzeug, ContingencyExampleThroughTheRealProgram) {
    const std::string befehl = std::string(ZV_REPORT_PROGRAMM) +
                               " --mode 2 --separator semicolon --decimals 3 --detail --select "
                               "Kontingenzkoeffizient --a1 '10;20;5' --a2 '3;7;15' --locale de_DE";
    FILE* rohr = popen(befehl.c_str(), "r");
    ASSERT_NE(rohr, nullptr);
    std::string aus;
    char puffer[4096];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) aus.append(puffer, n);
    EXPECT_EQ(pclose(rohr), 0);
    EXPECT_EQ(aus, kKontingenz);
}

TEST(ReportWerkzeug, OptionsMapToControlStates) {
    // Entries run in list order, not in the order given; the detail switch needs an entry
    // with calculation steps.
    auto a = Werkzeug({"--a1=3 1 2", "--select", "Spannweite", "--select", "Modus", "--detail",
                       "--locale", "de_DE"});
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.aus, Zeilen({"Urliste: 3  1  2", "", "MODUS", "Modus: kein Modus gefunden!", "",
                             "SPANNWEITE", "SP: 2", ""}));
    a = Werkzeug({"--a1", "3,1,2", "--separator", "comma", "--select", "Median", "--detail",
                  "--locale", "en_US"});
    EXPECT_EQ(a.aus, Zeilen({"Urliste: 3, 1, 2", "", "MEDIAN", "Sort:   1, 2, 3", "Median: 2", ""}));
    a = Werkzeug({"--a1", "1.5~2", "--separator", "tilde", "--select", "all", "--decimals", "1",
                  "--locale", "en_US"});
    EXPECT_NE(a.aus.find("Mittelwert: 1.8\r\n"), std::string::npos);  // 1.75 half to even
    EXPECT_NE(a.aus.find("STANDARDABWEICHNUNG\r\ns: 0.2\r\n\r\n"), std::string::npos);
    // Message and error lines are reports too.
    a = Werkzeug({"--mode", "2", "--a1", "1 2", "--a2", "1"});
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.aus, Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"}));
    EXPECT_EQ(Werkzeug({}).aus, Zeilen({"Daten unvollständig, Berechnung nicht möglich!"}));
}

TEST(ReportWerkzeug, FilesAreTakenAsPasted) {
    const std::string pfad = ::testing::TempDir() + "zv_spalte.txt";
    std::ofstream(pfad, std::ios::binary) << "1\r\n2\r3\n4\r\n\r\n";
    auto a = Werkzeug({"--a1-file", pfad, "--separator", "semicolon"});
    EXPECT_EQ(a.aus, Zeilen({"Urliste: 1; 2; 3; 4", ""}));
    a = Werkzeug({"--mode", "2", "--a1", "1 2", "--a2-file", "-"}, "5\n6\n");
    EXPECT_EQ(a.aus, Zeilen({"Merkmal b1  b2", "(x)  a1  1   2", "(y)  a2  5   6", ""}));
    std::ofstream(pfad, std::ios::binary) << "1\n\xff\xfe\n3";
    EXPECT_EQ(Werkzeug({"--a1-file", pfad}).aus, Zeilen({"Typen unverträglich"}));
}

TEST(ReportWerkzeug, UsageErrors) {
    const std::vector<std::vector<std::string>> falsch = {
        {"--mode", "3"},
        {"--separator", "pipe"},
        {"--select", "Randhäufigkeiten"},  // not an entry of the one-dimensional list
        {"--mode", "2", "--select", "Modus"},
        {"--select", "modus"},
        {"--a1"},
        {"--bogus"},
        {"--a1-file", "/nonexistent/zv"},
        {"--detail=1"},
    };
    for (const auto& argumente : falsch) {
        const Ausgang a = Werkzeug(argumente);
        EXPECT_EQ(a.code, 2) << argumente[0];
        EXPECT_TRUE(a.aus.empty());
        EXPECT_EQ(std::count(a.fehler.begin(), a.fehler.end(), '\n'), 1) << a.fehler;
    }
    const Ausgang hilfe = Werkzeug({"--help"});
    EXPECT_EQ(hilfe.code, 0);
    EXPECT_NE(hilfe.aus.find("--select"), std::string::npos);
}

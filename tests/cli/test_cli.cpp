#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/Optionen.h"
#include "Berichtstest.h"

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

}  // namespace

TEST(ReportWerkzeug, TheProgramPrintsTheReportOfTheRun) {
    // The report's content is checked by the case files; here the real program's bytes on
    // standard output must be exactly the report, for the contingency example.
    const std::vector<std::string> argumente = {
        "--mode", "2", "--separator", "semicolon", "--decimals", "3", "--detail", "--select",
        "Kontingenzkoeffizient", "--a1", "10;20;5", "--a2", "3;7;15", "--locale", "de_DE"};
    std::string befehl = ZV_REPORT_PROGRAMM;
    for (const auto& a : argumente) befehl += " '" + a + "'";
    FILE* rohr = popen(befehl.c_str(), "r");
    ASSERT_NE(rohr, nullptr);
    std::string aus;
    char puffer[4096];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) aus.append(puffer, n);
    EXPECT_EQ(pclose(rohr), 0);
    const Ausgang erwartet = Werkzeug(argumente);
    EXPECT_EQ(aus, erwartet.aus);
    EXPECT_EQ(std::count(aus.begin(), aus.end(), '\n'), 36);  // 4 raw-list lines + 32
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

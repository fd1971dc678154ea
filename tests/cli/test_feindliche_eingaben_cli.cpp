// Hostile input that only the report tool can be given: decimal places outside the box's
// range, files with invalid UTF-8, NUL bytes or ten megabytes, standard input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
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

Ausgang Werkzeug(std::vector<std::string> argumente) {
    std::istringstream ein;
    std::ostringstream aus, fehler;
    const int code = zv::ReportWerkzeug(argumente, ein, aus, fehler);
    return {code, aus.str(), fehler.str()};
}

// Runs the real program through the shell; the exit status and standard output.
Ausgang Programm(const std::string& argumente) {
    const std::string befehl = std::string(ZV_REPORT_PROGRAMM) + " " + argumente;
    FILE* rohr = popen(befehl.c_str(), "r");
    if (rohr == nullptr) return {-1, "", "popen"};
    std::string aus;
    char puffer[65536];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) aus.append(puffer, n);
    return {pclose(rohr), aus, ""};
}

std::string Datei(const std::string& name, const std::string& inhalt) {
    const std::string pfad = ::testing::TempDir() + name;
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

const std::string kTyp = Zeilen({"Typen unverträglich"});

}  // namespace

TEST(FeindlicheEingabenWerkzeug, DecimalPlacesOutOfRange) {
    // A negative number of places fails every rounded result, each in its own section; the
    // median and the modes are not rounded.
    const std::string einsZweiVier = Zeilen(
        {"Urliste: 1  2  4", "", "MODUS", "Modus: kein Modus gefunden!", "", "MEDIAN",
         "Sort:   1  2  4", "Median: 2", "", "ARITHMETISCHES MITTEL (MITTELWERT)",
         "Ungültiges Argument", "SPANNWEITE", "Ungültiges Argument", "DURCHSCHNITTLICHE ABWEICHUNG",
         "Ungültiges Argument", "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)", "Ungültiges Argument",
         "STANDARDABWEICHNUNG", "Ungültiges Argument"});
    for (const std::vector<std::string>& nks :
         std::vector<std::vector<std::string>>{{"--decimals", "-1"}, {"--decimals=-1"}}) {
        std::vector<std::string> argumente = {"--a1",     "1 2 4",    "--select", "all",
                                              "--detail", "--locale", "de_DE"};
        argumente.insert(argumente.end(), nks.begin(), nks.end());
        const Ausgang a = Werkzeug(argumente);
        EXPECT_EQ(a.code, 0);
        EXPECT_EQ(a.aus, einsZweiVier);
    }

    const Ausgang tafel =
        Werkzeug({"--mode", "2", "--separator", "semicolon", "--a1", "10;20;5", "--a2", "3;7;15",
                  "--select", "all", "--decimals", "-1", "--locale", "de_DE"});
    EXPECT_EQ(tafel.code, 0);
    EXPECT_EQ(tafel.aus, Zeilen({"Merkmal b1; b2; b3",
                                 "(x)  a1 10; 20;  5",
                                 "(y)  a2  3;  7; 15",
                                 "",
                                 "RANDHÄUFIGKEITEN",
                                 "Merkmal | b1; b2; b3 | hi.",
                                 "--------+------------+-------",
                                 "     a1 | 10; 20;  5 | 35",
                                 "     a2 |  3;  7; 15 | 25",
                                 "--------+------------+-------",
                                 "    h.j | 13; 27; 20 | n=60",
                                 "",
                                 "BEDINGTE HÄUFIGKEITEN",
                                 "Ungültiges Argument",
                                 "UNABHÄNGIGKEITSQUOTIENTEN",
                                 "Ungültiges Argument",
                                 "SCHWERPUNKT",
                                 "Ungültiges Argument",
                                 "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
                                 "Ungültiges Argument",
                                 "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",
                                 "Ungültiges Argument",
                                 "KONTINGENZKOEFFIZIENT",
                                 "Ungültiges Argument",
                                 "LINEARE REGRESSION",
                                 "Ungültiges Argument",
                                 "DETERMINATIONSKOEFFIZIENT",
                                 "Ungültiges Argument"}));

    // Beyond the 16-bit range the run ends at once with the overflow line.
    for (const char* nks : {"32768", "1e9", "-32769", "1e999"}) {
        const Ausgang a = Werkzeug({"--a1", "1 2 4", "--select", "all", "--decimals", nks});
        EXPECT_EQ(a.code, 0) << nks;
        EXPECT_EQ(a.aus, Zeilen({"Überlauf"})) << nks;
    }
}

TEST(FeindlicheEingabenWerkzeug, FilesWithBytesThatAreNoText) {
    struct Fall {
        const char* name;
        std::string inhalt;
        std::string bericht;
    };
    const Fall faelle[] = {
        {"byte order mark", "\uFEFF1\n2\n", kTyp},
        {"UTF-16", std::string("1\0\n\0\x32\0\n\0", 8), kTyp},
        {"Latin-1 superscript", "1\n2\xB2\n", kTyp},
        {"overlong encoding of 1", "\xC0\xB1\n2", kTyp},
        {"cut UTF-8 sequence", "1\n2\xC3", kTyp},
        {"NUL line", std::string("1\n\0\n2", 5), kTyp},
        {"NUL after a value", std::string("1\0\n2", 4), kTyp},
        {"only NUL bytes", std::string(16, '\0'), kTyp},
        {"only line breaks", "\r\n\r\n\n\r",
         Zeilen({"Daten unvollständig, Berechnung nicht möglich!"})},
        {"blank lines", "  \n  \n", Zeilen({"Daten unvollständig, Berechnung nicht möglich!"})},
        {"empty line inside", "1\n\n2", kTyp},
        {"form feed", "1\f\n2", kTyp},
        {"valid UTF-8 that is no number", "1\n\xC2\xBD\n", kTyp},
    };
    for (const Fall& f : faelle) {
        const Ausgang a = Werkzeug({"--a1-file", Datei("zv_feindlich.txt", f.inhalt), "--select",
                                    "Modus", "--locale", "de_DE"});
        EXPECT_EQ(a.code, 0) << f.name;
        EXPECT_EQ(a.aus, f.bericht) << f.name;
    }

    // The same through the program itself: the NUL byte reaches the run and is refused.
    const std::string nul = Datei("zv_nul.txt", std::string("1\n2\0\n3", 6));
    const Ausgang a = Programm("--a1-file " + nul + " --select Modus");
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.aus, kTyp);
}

TEST(FeindlicheEingabenWerkzeug, TenMegabyteFiles) {
    // 32767 values of 305 characters each: ten megabytes that make a report.
    const int n = 32767;
    const std::string wert = "0," + std::string(303, '3');
    std::string inhalt;
    inhalt.reserve(static_cast<std::size_t>(n) * (wert.size() + 1));
    for (int i = 0; i < n; ++i) inhalt += wert + "\n";
    ASSERT_GE(inhalt.size(), 10'000'000u);
    const std::string gross = Datei("zv_zehn_mb.txt", inhalt);

    const auto start = std::chrono::steady_clock::now();
    Ausgang a = Programm("--a1-file " + gross +
                         " --select Median --select 'Arithmetisches Mittel' --locale de_DE");
    const double sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(a.code, 0);
    std::string urliste = "Urliste: 0,333333333333333";
    for (int i = 1; i < n; ++i) urliste += "  0,333333333333333";
    EXPECT_EQ(a.aus, Zeilen({urliste, "", "MEDIAN", "Median: 0,333333333333333", "",
                             "ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 0,333", ""}));
    EXPECT_LT(sekunden, 20.0);

    // The same file on standard input.
    a = Programm("--a1-file - --select 'Arithmetisches Mittel' --locale de_DE < " + gross);
    EXPECT_EQ(a.code, 0);
    EXPECT_TRUE(a.aus.ends_with(
        Zeilen({"", "ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 0,333", ""})));

    // Five million lines are far more values than a list can hold.
    std::string zeilen;
    zeilen.reserve(10'000'000);
    while (zeilen.size() < 10'000'000) zeilen += "1\n";
    const std::string fuenfMio = Datei("zv_fuenf_mio.txt", zeilen);
    a = Programm("--mode 2 --a1 '1 2' --a2-file " + fuenfMio);
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.aus, Zeilen({"Überlauf"}));
    std::filesystem::remove(gross);
    std::filesystem::remove(fuenfMio);
}

TEST(FeindlicheEingabenWerkzeug, UnreadableFilesAreUsageErrors) {
    // A directory opens like a file but cannot be read: the tool says so instead of ending
    // without a word.
    const std::string ordner = ::testing::TempDir() + "zv_ordner";
    std::filesystem::create_directories(ordner);
    for (const std::vector<std::string>& argumente : std::vector<std::vector<std::string>>{
             {"--a1-file", ordner}, {"--mode", "2", "--a1", "1 2", "--a2-file", ordner}}) {
        Ausgang a{-1, "", ""};
        EXPECT_NO_THROW(a = Werkzeug(argumente)) << argumente.back();
        EXPECT_EQ(a.code, 2);
        EXPECT_TRUE(a.aus.empty());
        EXPECT_NE(a.fehler.find("Datei nicht lesbar: " + ordner), std::string::npos) << a.fehler;
        EXPECT_EQ(std::count(a.fehler.begin(), a.fehler.end(), '\n'), 1) << a.fehler;
    }
    // Through the program: a directory as a file and as standard input.
    for (const std::string& argumente : {"--a1-file " + ordner, "--a1-file - < " + ordner}) {
        const Ausgang a = Programm(argumente + " 2>/dev/null");
        EXPECT_TRUE(WIFEXITED(a.code)) << argumente;
        EXPECT_EQ(WEXITSTATUS(a.code), 2) << argumente;
        EXPECT_TRUE(a.aus.empty()) << argumente;
    }
}

namespace {

// Takes nothing, as a full disk does.
class VollerPuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

}  // namespace

TEST(FeindlicheEingabenWerkzeug, AReportThatCannotBeWrittenIsNoSuccess) {
    VollerPuffer puffer;
    std::ostream aus(&puffer);
    std::istringstream ein;
    std::ostringstream fehler;
    EXPECT_NE(zv::ReportWerkzeug({"--a1", "1 2", "--select", "Modus"}, ein, aus, fehler), 0);
    const std::string meldung = fehler.str();
    EXPECT_EQ(std::count(meldung.begin(), meldung.end(), '\n'), 1) << meldung;

    const Ausgang a = Programm("--a1 '1 2' > /dev/full 2>/dev/null");
    EXPECT_TRUE(WIFEXITED(a.code));
    EXPECT_NE(WEXITSTATUS(a.code), 0);
}

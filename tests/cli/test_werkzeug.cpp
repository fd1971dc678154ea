// The report tool as a program: its bytes on standard output are the run's report, files and
// standard input are taken as pasted, and what only files and streams can carry (input without
// end, unreadable input, a report that cannot be written) ends in a report line or a usage
// error, never in a crash or silence. The reports themselves are checked by the case files in
// tests/faelle/.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <sstream>
#include <stdexcept>

#include "Berichtstest.h"
#include "base/Version.h"
#include "cli/Optionen.h"

using zvtest::Zeilen;

namespace {

struct Ausgang {
    int code;
    std::string aus, fehler;
};

// The tool in this process.
Ausgang Werkzeug(std::vector<std::string> argumente, const std::string& stdin_text = "") {
    std::istringstream ein(stdin_text);
    std::ostringstream aus, fehler;
    const int code = zv::ReportWerkzeug(argumente, ein, aus, fehler);
    return {code, aus.str(), fehler.str()};
}

// A shell command line: its exit status (-1 unless it exited) and standard output.
std::pair<int, std::string> Befehl(const std::string& befehl) {
    FILE* rohr = popen(befehl.c_str(), "r");
    if (rohr == nullptr) return {-1, ""};
    std::string aus;
    char puffer[65536];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) aus.append(puffer, n);
    const int status = pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, aus};
}

// The real program through the shell.
std::pair<int, std::string> Programm(const std::string& argumente) {
    return Befehl(std::string(ZV_REPORT_PROGRAMM) + " " + argumente);
}

// The real program reading what the command before it writes.
std::pair<int, std::string> NachRohr(const std::string& quelle, const std::string& argumente) {
    return Befehl(quelle + " | " + ZV_REPORT_PROGRAMM + " " + argumente);
}

std::string Datei(const std::string& name, const std::string& inhalt) {
    const std::string pfad = ::testing::TempDir() + name;
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

}  // namespace

TEST(ReportWerkzeug, TheProgramWritesTheReportAndTheReadingErrorApart) {
    // The lines themselves are in tests/faelle/werkzeug.txt.
    EXPECT_EQ(Programm("--a1 '1 x' 2>/dev/null"),
              std::make_pair(0, Zeilen({"Typen unverträglich"})));
    EXPECT_EQ(
        Programm("--a1 '1 x' 2>&1 >/dev/null"),
        std::make_pair(0, std::string("zorvanta-report: a1, Wert 2 (\"x\") ist keine Zahl\n")));
    EXPECT_EQ(Programm("--a1 '1 2' 2>&1"), std::make_pair(0, Zeilen({"Urliste: 1  2", ""})));
    EXPECT_EQ(Programm("--version"), std::make_pair(0, std::string("Zorvanta " ZV_VERSION "\n")));
}

TEST(ReportWerkzeug, FilesAreTakenAsPasted) {
    const std::string pfad = Datei("zv_spalte.txt", "1\r\n2\r3\n4\r\n\r\n");
    EXPECT_EQ(Werkzeug({"--a1-file", pfad, "--separator", "semicolon"}).aus,
              Zeilen({"Urliste: 1; 2; 3; 4", ""}));
    EXPECT_EQ(Werkzeug({"--mode", "2", "--a1", "1 2", "--a2-file", "-"}, "5\n6\n").aus,
              Zeilen({"Merkmal b1  b2", "(x)  a1  1   2", "(y)  a2  5   6", ""}));
    // What the bytes of a file can hold beyond that is the reading's (tests/base,
    // tests/cli/test_feldlesen.cpp).
}

TEST(ReportWerkzeug, EndlessOrHugeInputEndsAtTheOverflowOrAtTheLimit) {
    // Reading stops where the list overflows; a second "-" finds standard input at its end.
    const std::string ueberlauf = Zeilen({"Überlauf"});
    EXPECT_EQ(NachRohr("yes 1", "--a1-file -"), std::make_pair(0, ueberlauf));
    EXPECT_EQ(NachRohr("yes '1 2'", "--mode 2 --a1-file - --a2-file - 2>&1"),
              std::make_pair(0, ueberlauf));
    EXPECT_EQ(NachRohr("printf '1\\n2\\n'", "--mode 2 --a1-file - --a2-file -"),
              std::make_pair(0, Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung "
                                        "nicht möglich!"})));
    // Without that, more than 16 MiB are refused as input that cannot be read: one line, no
    // report (where the limit lies exactly: tests/cli/test_feldlesen.cpp).
    const std::string zuGross = " (höchstens 16 MiB je Eingabefeld)\n";
    EXPECT_EQ(Programm("--a1-file /dev/zero 2>&1"),
              std::make_pair(2, "zorvanta-report: Datei zu groß: /dev/zero" + zuGross));
    EXPECT_EQ(NachRohr("yes 7 | tr -d '\\n'", "--a1-file - 2>&1"),
              std::make_pair(2, "zorvanta-report: Standardeingabe zu groß" + zuGross));
}

TEST(ReportWerkzeug, WhatTheRunDidNotForeseeEndsInOneLineAndStatusOne) {
    // Standard input that fails in a way no reading expects.
    struct Werfend : std::streambuf {
        std::function<void()> Wurf;
        std::streamsize xsgetn(char*, std::streamsize) override {
            Wurf();
            return 0;
        }
    };
    const struct {
        std::function<void()> wurf;
        std::string zeile;
    } faelle[] = {
        {[] { throw std::bad_alloc(); }, zv::kSpeichermangel},
        {[] { throw std::length_error("zu lang\nfür eine Zeile"); },
         "zorvanta-report: abgebrochen, unerwarteter Fehler: zu lang\\nfür eine Zeile\n"}};
    for (const auto& f : faelle) {
        Werfend puffer;
        puffer.Wurf = f.wurf;
        std::istream ein(&puffer);
        std::ostringstream aus, fehler;
        EXPECT_EQ(zv::ReportWerkzeug({"--a1-file", "-"}, ein, aus, fehler), 1);
        EXPECT_EQ(aus.str(), "");
        EXPECT_EQ(fehler.str(), f.zeile);
    }
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZV_MIT_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZV_MIT_ASAN
#endif

TEST(ReportWerkzeug, RunningOutOfMemoryEndsInOneLineAndLeavesTheChartFile) {
#ifdef ZV_MIT_ASAN
    GTEST_SKIP() << "the address sanitizer needs more address space than any limit here allows";
#endif
    // The least address space (in steps of 8 MiB) in which the program answers at all; with
    // 40 MiB more it can read a 16 MiB box, but not run over it.
    const std::string programm = ZV_REPORT_PROGRAMM;
    int grenze = 32;
    while (grenze < 4096 && Befehl("ulimit -v " + std::to_string(grenze * 1024) + " && " +
                                   programm + " --a1 1 >/dev/null 2>&1")
                                    .first != 0)
        grenze += 8;
    ASSERT_LT(grenze, 4096);
    const std::string zahl = Datei("zv_16_mib_zahl.txt", std::string(16 << 20, '7'));
    const std::string bild = Datei("zv_bild_alt.png", "alt");
    const auto [status, aus] =
        Befehl("ulimit -v " + std::to_string((grenze + 40) * 1024) + " && " + programm +
               " --a1-file " + zahl + " --chart " + bild + " 2>&1");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(aus, zv::kSpeichermangel);
    std::ifstream alt(bild);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(alt), {}), "alt");
    std::filesystem::remove(zahl);
    std::filesystem::remove(bild);
}

TEST(ReportWerkzeug, UnreadableInputOrOutput) {
    // Usage errors are in tests/faelle/werkzeug.txt; standard input that cannot be read is one
    // too.
    const std::string ordner = ::testing::TempDir() + "zv_ordner";
    std::filesystem::create_directories(ordner);
    const auto [status, aus] = Programm("--a1-file - < " + ordner + " 2>&1");
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(aus.find("nicht lesbar") != aus.npos && aus.ends_with("\n")) << aus;
    const Ausgang hilfe = Werkzeug({"--help"});
    EXPECT_EQ(hilfe.code, 0);
    EXPECT_NE(hilfe.aus.find("--select"), std::string::npos);

    // A report that cannot be written: exit status 1 and one line on the error stream.
    EXPECT_EQ(Programm("--a1 '1 2' > /dev/full 2>/dev/null").first, 1);
    struct VollerPuffer : std::streambuf {  // takes nothing, as a full disk does
        int_type overflow(int_type) override { return traits_type::eof(); }
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    } puffer;
    std::ostream aus2(&puffer);
    std::istringstream ein;
    std::ostringstream fehler;
    EXPECT_EQ(zv::ReportWerkzeug({"--a1", "1 2", "--select", "Modus"}, ein, aus2, fehler), 1);
    const std::string zeile = fehler.str();
    EXPECT_EQ(std::count(zeile.begin(), zeile.end(), '\n'), 1) << zeile;
}

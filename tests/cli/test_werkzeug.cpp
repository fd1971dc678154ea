// The report tool as a program: its bytes on standard output are the run's report, files and
// standard input are taken as pasted, and what only files and streams can carry (bytes that are
// no text, ten megabytes, input without end, unreadable input, a report that cannot be written)
// ends in a report line or a usage error, never in a crash or silence. The reports themselves are
// checked by the case files in tests/faelle/.

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

const std::string kTyp = Zeilen({"Typen unverträglich"});
const std::string kUnvollstaendig = Zeilen({"Daten unvollständig, Berechnung nicht möglich!"});

}  // namespace

TEST(ReportWerkzeug, TheProgramPrintsTheReportOfTheRun) {
    const std::string argumente =
        "--mode 2 --separator semicolon --decimals 3 --detail --select Kontingenzkoeffizient "
        "--a1 '10;20;5' --a2 '3;7;15' --locale de_DE";
    const auto [status, aus] = Programm(argumente);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(aus, Werkzeug({"--mode", "2", "--separator", "semicolon", "--decimals", "3",
                             "--detail", "--select", "Kontingenzkoeffizient", "--a1", "10;20;5",
                             "--a2", "3;7;15", "--locale", "de_DE"})
                       .aus);
    EXPECT_EQ(std::count(aus.begin(), aus.end(), '\n'), 36);  // 4 raw-list lines + 32
}

TEST(ReportWerkzeug, NamesTheValueItCouldNotRead) {
    // One line on standard error; standard output and the exit status as without it.
    const std::pair<std::string, std::string> faelle[] = {
        {"--separator semicolon --a1 '82;88;91;92;96;'", "a1, Wert 6 (\"\") ist keine Zahl"},
        {"--a1 '1 2  4'", "a1, Wert 3 (\"\") ist keine Zahl"},
        {"--locale de_DE --a1 '1.5 2'", "a1, Wert 1 (\"1.5\") ist keine Zahl"},
        {"--mode 2 --a1 '1 2' --a2 '3 1e999'",
         "a2, Wert 2 (\"1e999\") liegt außerhalb des Zahlenbereichs"},
        {"--separator semicolon --a1 \"$(printf '1;\\001\\377\\303\\t9\\\\ ä')\"",
         "a1, Wert 2 (\"\\x01\\xFF\\xC3\\t9\\\\ ä\") ist keine Zahl"},
        {"--a1 '1 " + std::string(61, 'y') + "'",
         "a1, Wert 2 (\"" + std::string(60, 'y') + "…\") ist keine Zahl"}};
    for (const auto& [argumente, zeile] : faelle) {
        EXPECT_EQ(Programm(argumente + " 2>&1 >/dev/null"),
                  std::make_pair(0, "zorvanta-report: " + zeile + "\n"));
        EXPECT_EQ(Programm(argumente + " 2>/dev/null").second.find("Wert"), std::string::npos);
    }
    EXPECT_EQ(Programm("--a1 '1 2' 2>&1"), std::make_pair(0, Zeilen({"Urliste: 1  2", ""})));
    EXPECT_EQ(Programm("--version"), std::make_pair(0, std::string("Zorvanta " ZV_VERSION "\n")));
}

TEST(ReportWerkzeug, FilesAreTakenAsPasted) {
    const std::string pfad = Datei("zv_spalte.txt", "1\r\n2\r3\n4\r\n\r\n");
    EXPECT_EQ(Werkzeug({"--a1-file", pfad, "--separator", "semicolon"}).aus,
              Zeilen({"Urliste: 1; 2; 3; 4", ""}));
    EXPECT_EQ(Werkzeug({"--mode", "2", "--a1", "1 2", "--a2-file", "-"}, "5\n6\n").aus,
              Zeilen({"Merkmal b1  b2", "(x)  a1  1   2", "(y)  a2  5   6", ""}));
    // A byte order mark, UTF-16, Latin-1, an overlong and a cut UTF-8 sequence, NUL bytes, an
    // empty line, a form feed, one half; then files of only line breaks or blanks.
    // clang-format off
    const std::string keineZahlen[] = {
        "\uFEFF1\n2\n", std::string("1\0\n\0\x32\0\n\0", 8), "1\n2\xB2\n", "\xC0\xB1\n2", "1\n2\xC3",
        std::string("1\n\0\n2", 5), std::string("1\0\n2", 4), std::string(16, '\0'), "1\n\n2",
        "1\f\n2", "1\n\xC2\xBD\n", "1\n\xff\xfe\n3"};
    // clang-format on
    std::vector<std::pair<std::string, std::string>> faelle = {{"\r\n\r\n\n\r", kUnvollstaendig},
                                                               {"  \n  \n", kUnvollstaendig}};
    for (const std::string& inhalt : keineZahlen) faelle.push_back({inhalt, kTyp});
    for (const auto& [inhalt, bericht] : faelle)
        EXPECT_EQ(Programm("--a1-file " + Datei("zv_feindlich.txt", inhalt) + " --select Modus"),
                  std::make_pair(0, bericht))
            << ::testing::PrintToString(inhalt);
}

TEST(ReportWerkzeug, TenMegabyteFiles) {
    // 32767 values of 305 characters each, from a file and from standard input.
    std::string inhalt, urliste = "Urliste: 0,333333333333333";
    for (int i = 0; i < 32767; ++i) inhalt += "0," + std::string(303, '3') + "\n";
    for (int i = 1; i < 32767; ++i) urliste += "  0,333333333333333";
    const std::string gross = Datei("zv_zehn_mb.txt", inhalt);
    const std::string mittel =
        Zeilen({urliste, "", "ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 0,333", ""});
    for (const std::string& quelle : {gross, "- < " + gross})
        EXPECT_EQ(
            Programm("--a1-file " + quelle + " --select 'Arithmetisches Mittel' --locale de_DE"),
            std::make_pair(0, mittel));
    // Five million lines are far more values than a list can hold.
    std::string zeilen;
    while (zeilen.size() < 10'000'000) zeilen += "1\n";
    EXPECT_EQ(Programm("--mode 2 --a1 '1 2' --a2-file " + Datei("zv_fuenf_mio.txt", zeilen)),
              std::make_pair(0, Zeilen({"Überlauf"})));
    std::filesystem::remove(gross);
    std::filesystem::remove(::testing::TempDir() + "zv_fuenf_mio.txt");
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
    // report. Exactly 16 MiB are still read.
    const std::string zuGross = " (höchstens 16 MiB je Eingabefeld)\n";
    EXPECT_EQ(Programm("--a1-file /dev/zero 2>&1"),
              std::make_pair(2, "zorvanta-report: Datei zu groß: /dev/zero" + zuGross));
    EXPECT_EQ(NachRohr("yes 7 | tr -d '\\n'", "--a1-file - 2>&1"),
              std::make_pair(2, "zorvanta-report: Standardeingabe zu groß" + zuGross));
    const std::string blanks = Datei("zv_16_mib.txt", std::string(16 << 20, ' '));
    EXPECT_EQ(Programm("--a1-file " + blanks), std::make_pair(0, kUnvollstaendig));
    std::ofstream(blanks, std::ios::app) << '\n';
    EXPECT_EQ(Programm("--mode 2 --a1 1 --a2-file " + blanks + " 2>&1"),
              std::make_pair(2, "zorvanta-report: Datei zu groß: " + blanks + zuGross));
    std::filesystem::remove(blanks);
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

TEST(ReportWerkzeug, UsageErrorsAndUnreadableInputOrOutput) {
    // Each a usage error: one line on the error stream, no report, exit status 2.
    const std::string ordner = ::testing::TempDir() + "zv_ordner";
    std::filesystem::create_directories(ordner);
    // clang-format off
    const std::vector<std::vector<std::string>> falsch = {
        {"--mode", "3"}, {"--separator", "pipe"}, {"--select", "Randhäufigkeiten"},
        {"--mode", "2", "--select", "Modus"}, {"--select", "modus"}, {"--a1"}, {"--bogus"},
        {"--a1-file", "/nonexistent/zv"}, {"--detail=1"}, {"--tables=ja"}, {"--a1-file", ordner},
        {"--mode", "2", "--a1", "1 2", "--a2-file", ordner}};
    // clang-format on
    for (const auto& argumente : falsch) {
        const Ausgang a = Werkzeug(argumente);
        EXPECT_EQ(a.code, 2) << argumente[0] << " " << argumente.back();
        EXPECT_TRUE(a.aus.empty());
        EXPECT_EQ(std::count(a.fehler.begin(), a.fehler.end(), '\n'), 1) << a.fehler;
        EXPECT_TRUE(a.fehler.starts_with("zorvanta-report: ")) << a.fehler;
    }
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

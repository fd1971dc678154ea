// Hostile input that only files, standard input and output of the report program can carry:
// files with NUL bytes or bytes that are no UTF-8, ten megabytes, unreadable files, a report
// that cannot be written. What fits in options is in tests/faelle/feindlich.txt.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Optionen.h"
#include "Berichtstest.h"

using zvtest::Zeilen;

namespace {

// The real program through the shell: its exit status (-1 unless it exited) and standard output.
std::pair<int, std::string> Programm(const std::string& argumente) {
    FILE* rohr = popen((std::string(ZV_REPORT_PROGRAMM) + " " + argumente).c_str(), "r");
    if (rohr == nullptr) return {-1, ""};
    std::string aus;
    char puffer[65536];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) aus.append(puffer, n);
    const int status = pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, aus};
}

std::string Datei(const std::string& name, const std::string& inhalt) {
    const std::string pfad = ::testing::TempDir() + name;
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return pfad;
}

const std::string kTyp = Zeilen({"Typen unverträglich"});
const std::string kUnvollstaendig = Zeilen({"Daten unvollständig, Berechnung nicht möglich!"});

}  // namespace

TEST(FeindlicheEingabenWerkzeug, FilesWithBytesThatAreNoText) {
    // A byte order mark, UTF-16, Latin-1, an overlong and a cut UTF-8 sequence, NUL bytes, an
    // empty line, a form feed, one half; then files of only line breaks or blanks.
    // clang-format off
    const std::string keineZahlen[] = {
        "\uFEFF1\n2\n", std::string("1\0\n\0\x32\0\n\0", 8), "1\n2\xB2\n", "\xC0\xB1\n2", "1\n2\xC3",
        std::string("1\n\0\n2", 5), std::string("1\0\n2", 4), std::string(16, '\0'), "1\n\n2",
        "1\f\n2", "1\n\xC2\xBD\n"};
    // clang-format on
    std::vector<std::pair<std::string, std::string>> faelle = {{"\r\n\r\n\n\r", kUnvollstaendig},
                                                               {"  \n  \n", kUnvollstaendig}};
    for (const std::string& inhalt : keineZahlen) faelle.push_back({inhalt, kTyp});
    for (const auto& [inhalt, bericht] : faelle)
        EXPECT_EQ(Programm("--a1-file " + Datei("zv_feindlich.txt", inhalt) + " --select Modus"),
                  std::make_pair(0, bericht))
            << ::testing::PrintToString(inhalt);
}

TEST(FeindlicheEingabenWerkzeug, TenMegabyteFiles) {
    // 32767 values of 305 characters each, from a file and from standard input.
    std::string inhalt, urliste = "Urliste: 0,333333333333333";
    for (int i = 0; i < 32767; ++i) inhalt += "0," + std::string(303, '3') + "\n";
    for (int i = 1; i < 32767; ++i) urliste += "  0,333333333333333";
    ASSERT_GE(inhalt.size(), 10'000'000u);
    const std::string gross = Datei("zv_zehn_mb.txt", inhalt);
    const std::string mittel =
        Zeilen({"", "ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 0,333", ""});
    EXPECT_EQ(
        Programm("--a1-file " + gross +
                 " --select Median --select 'Arithmetisches Mittel' --locale de_DE"),
        std::make_pair(0, Zeilen({urliste, "", "MEDIAN", "Median: 0,333333333333333"}) + mittel));
    EXPECT_EQ(Programm("--a1-file - --select 'Arithmetisches Mittel' --locale de_DE < " + gross),
              std::make_pair(0, Zeilen({urliste}) + mittel));
    // Five million lines are far more values than a list can hold.
    std::string zeilen;
    while (zeilen.size() < 10'000'000) zeilen += "1\n";
    EXPECT_EQ(Programm("--mode 2 --a1 '1 2' --a2-file " + Datei("zv_fuenf_mio.txt", zeilen)),
              std::make_pair(0, Zeilen({"Überlauf"})));
    std::filesystem::remove(gross);
    std::filesystem::remove(::testing::TempDir() + "zv_fuenf_mio.txt");
}

TEST(FeindlicheEingabenWerkzeug, UnreadableInputOrOutputIsNoSuccess) {
    // A directory opens like a file but cannot be read: one line on the error stream, no
    // report, exit status 2 (not a crash, not silence).
    const std::string ordner = ::testing::TempDir() + "zv_ordner";
    std::filesystem::create_directories(ordner);
    const std::pair<std::string, std::string> faelle[] = {
        {"--a1-file " + ordner, ordner},
        {"--mode 2 --a1 '1 2' --a2-file " + ordner, ordner},
        {"--a1-file - < " + ordner, "nicht lesbar"}};
    for (const auto& [argumente, meldung] : faelle) {
        const auto [status, aus] = Programm(argumente + " 2>&1");
        EXPECT_EQ(status, 2) << argumente;
        EXPECT_TRUE(aus.starts_with("zorvanta-report: ") && aus.find(meldung) != aus.npos &&
                    std::count(aus.begin(), aus.end(), '\n') == 1)
            << aus;
    }
    // A report that cannot be written: exit status 1 and one line on the error stream.
    EXPECT_EQ(Programm("--a1 '1 2' > /dev/full 2>/dev/null").first, 1);
    struct VollerPuffer : std::streambuf {  // takes nothing, as a full disk does
        int_type overflow(int_type) override { return traits_type::eof(); }
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    } puffer;
    std::ostream aus(&puffer);
    std::istringstream ein;
    std::ostringstream fehler;
    EXPECT_EQ(zv::ReportWerkzeug({"--a1", "1 2", "--select", "Modus"}, ein, aus, fehler), 1);
    const std::string meldung = fehler.str();
    EXPECT_EQ(std::count(meldung.begin(), meldung.end(), '\n'), 1) << meldung;
}

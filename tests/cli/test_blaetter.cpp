// The worksheets' PDF: the same options give the same bytes, although the PDF writer stamps
// the time of writing; another start value gives other pages; a path that cannot be written
// is a usage error that leaves no file. Wrong options are cases in tests/faelle/blaetter.txt.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cli/Optionen.h"

namespace {

namespace fs = std::filesystem;

std::string Lesen(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(datei), {});
}

// Writes the worksheets of the start value to the file; returns the exit status.
int Schreiben(const fs::path& pfad, const std::string& startwert, std::string& fehlertext) {
    std::istringstream eingabe;
    std::ostringstream aus, fehler;
    const int status = zv::ReportWerkzeug(
        {"--worksheets", "4", "--seed", startwert, "--mode", "2", "--select", "Lineare Regression",
         "--values", "12", "--locale", "de_DE", "--worksheet-pdf", pfad.string()},
        eingabe, aus, fehler);
    fehlertext = fehler.str();
    EXPECT_TRUE(aus.str().empty()) << aus.str();
    return status;
}

TEST(Blattdatei, GleicheOptionenGleicheBytes) {
    const fs::path ordner =
        fs::path(::testing::TempDir()) / ("zv_blaetter_" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    std::string fehler;
    ASSERT_EQ(Schreiben(ordner / "a.pdf", "17", fehler), 0) << fehler;
    // Past a second and in another time zone (a POSIX rule, which needs no zone data), so that
    // a date stamped into the file would differ, even in its length.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    const char* vorher = std::getenv("TZ");
    const std::string zone = vorher ? vorher : "";
    ::setenv("TZ", "IST-5:30", 1);
    ASSERT_EQ(Schreiben(ordner / "b.pdf", "17", fehler), 0) << fehler;
    EXPECT_STREQ(std::getenv("TZ"), "IST-5:30") << "the time zone is given back";
    if (vorher)
        ::setenv("TZ", zone.c_str(), 1);
    else
        ::unsetenv("TZ");
    ASSERT_EQ(Schreiben(ordner / "c.pdf", "18", fehler), 0) << fehler;
    const std::string a = Lesen(ordner / "a.pdf"), b = Lesen(ordner / "b.pdf"),
                      c = Lesen(ordner / "c.pdf");
    EXPECT_EQ(a.rfind("%PDF-", 0), 0u);
    EXPECT_NE(a.find("/Count 8"), std::string::npos) << "four sheets and four key pages";
    EXPECT_NE(a.find("/CreationDate (D:20000101000000"), std::string::npos);
    EXPECT_TRUE(a == b) << "same options, different bytes";
    EXPECT_NE(a, c);

    const fs::path fehlt = ordner / "fehlt" / "d.pdf";
    EXPECT_EQ(Schreiben(fehlt, "17", fehler), 2);
    EXPECT_EQ(fehler, "zorvanta-report: Übungsblätter nicht schreibbar: " + fehlt.string() +
                          ": Den Ordner " + fehlt.parent_path().string() + " gibt es nicht.\n");
    EXPECT_FALSE(fs::exists(ordner / "fehlt"));
    fs::remove_all(ordner);
}

}  // namespace

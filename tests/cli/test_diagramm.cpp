// The chart of the report tool, as a program: --chart writes a PNG of the asked size or a PDF
// beside an unchanged report, without a display; wrong chart options are usage errors, an
// unwritable path or unreadable lists one line on the error stream with exit status 1; and
// without --chart the toolkit is not started at all.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Ergebnis {
    int status;
    std::string aus, fehler;
};

std::string Lesen(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(datei), {});
}

class Diagrammwerkzeug : public ::testing::Test {
  protected:
    // One folder per test and process: CTest runs the tests of this file side by side.
    fs::path ordner_ =
        fs::path(::testing::TempDir()) /
        ("zv_diagramm_" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
         std::to_string(getpid()));
    void SetUp() override {
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    // The program through the shell, with umgebung put before it (env assignments).
    Ergebnis Programm(const std::string& argumente, const std::string& umgebung = "") {
        const fs::path aus = ordner_ / "aus.txt", fehler = ordner_ / "fehler.txt";
        const std::string befehl = umgebung + " " + ZV_REPORT_PROGRAMM + " " + argumente + " >" +
                                   aus.string() + " 2>" + fehler.string();
        const int status = std::system(befehl.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Lesen(aus), Lesen(fehler)};
    }
    std::string Pfad(const std::string& name) { return (ordner_ / name).string(); }
};

const std::string kEin = "--a1 '2 4 4 5 7 9' --select Modus --locale de_DE";
const std::string kZwei = "--mode 2 --a1 '2 4 5 7' --a2 '3 5 4 8' --select all --locale de_DE";

}  // namespace

TEST_F(Diagrammwerkzeug, WritesThePngOfTheAskedSizeBesideTheUnchangedReport) {
    const struct {
        std::string daten, optionen;
        int breite, hoehe;
    } faelle[] = {{kEin, "", 800, 600},
                  {kEin, "--chart-size 640x480", 640, 480},
                  {kZwei, "--chart-size 100X4000", 100, 4000},
                  {kZwei, "--chart-kind haeufigkeiten --chart-size=4000x100", 4000, 100},
                  {kZwei, "--chart-kind streudiagramm", 800, 600}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.daten + " " + f.optionen);
        const Ergebnis ohne = Programm(f.daten);
        // No display, not even a named one that cannot be reached.
        for (const std::string umgebung :
             {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", "env DISPLAY=:4711"}) {
            fs::remove(Pfad("d.png"));
            const Ergebnis mit =
                Programm(f.daten + " " + f.optionen + " --chart " + Pfad("d.png"), umgebung);
            EXPECT_EQ(mit.status, 0) << mit.fehler;
            EXPECT_EQ(mit.aus, ohne.aus);
            EXPECT_EQ(mit.fehler, "");
            const QImage bild(QString::fromStdString(Pfad("d.png")), "PNG");
            EXPECT_EQ(bild.width(), f.breite);
            EXPECT_EQ(bild.height(), f.hoehe);
        }
    }
    // A PDF by the extension, in any case.
    for (const std::string name : {"d.pdf", "D.PDF"}) {
        EXPECT_EQ(Programm(kZwei + " --chart " + Pfad(name)).status, 0);
        const std::string pdf = Lesen(Pfad(name));
        EXPECT_TRUE(pdf.starts_with("%PDF-")) << pdf.substr(0, 16);
        EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    }
}

TEST_F(Diagrammwerkzeug, ExtremeInputsStillDrawTheChart) {
    std::string viele;
    for (int i = 0; i < 32767; ++i) viele += std::to_string((i * 37) % 1000) + "\n";
    std::ofstream(Pfad("viele.txt")) << viele;
    const std::string faelle[] = {
        "--a1 7",
        "--a1 '3 3 3 3'",
        "--a1 '1E+308 -1E+308 1,7E+308'",
        "--a1 '1E+308 1E+308'",
        "--a1 '5E-324 1E-323'",
        "--a1-file " + Pfad("viele.txt"),
        "--mode 2 --a1 4 --a2 7",
        "--mode 2 --a1 '3 3 3' --a2 '1 2 3'",
        "--mode 2 --a1 '1E+308 -1E+308' --a2 '-1,7E+308 1,7E+308'",
        "--mode 2 --a1-file " + Pfad("viele.txt") + " --a2-file " + Pfad("viele.txt"),
        "--mode 2 --a1 '0 0' --a2 '0 0' --chart-kind haeufigkeiten",
        "--mode 2 --a1-file " + Pfad("viele.txt") + " --a2-file " + Pfad("viele.txt") +
            " --chart-kind haeufigkeiten",
    };
    for (const std::string& fall : faelle) {
        fs::remove(Pfad("e.png"));
        const Ergebnis e =
            Programm(fall + " --locale de_DE --chart-size 300x200 --chart " + Pfad("e.png"));
        EXPECT_EQ(e.status, 0) << fall << "\n" << e.fehler;
        EXPECT_EQ(QImage(QString::fromStdString(Pfad("e.png"))).size(), QSize(300, 200)) << fall;
    }
}

TEST_F(Diagrammwerkzeug, WrongChartOptionsAreUsageErrors) {
    const std::string faelle[] = {"--chart " + Pfad("d.jpg"),
                                  "--chart " + Pfad("d"),
                                  "--chart ''",
                                  "--chart " + Pfad("png"),
                                  "--chart-size 99x600 --chart " + Pfad("d.png"),
                                  "--chart-size 800x4001 --chart " + Pfad("d.png"),
                                  "--chart-size 800 --chart " + Pfad("d.png"),
                                  "--chart-size x600 --chart " + Pfad("d.png"),
                                  "--chart-size 800x600x2 --chart " + Pfad("d.png"),
                                  "--chart-size ' 800x600' --chart " + Pfad("d.png"),
                                  "--chart-size 08000x600 --chart " + Pfad("d.png"),
                                  "--chart-size 800x600",
                                  "--chart-kind streudiagramm --chart " + Pfad("d.png"),  // mode 1
                                  "--mode 2 --chart-kind kuchen --chart " + Pfad("d.png"),
                                  "--mode 2 --chart-kind haeufigkeiten",
                                  "--chart"};
    for (const std::string& fall : faelle) {
        const Ergebnis e = Programm("--a1 '1 2' " + fall);
        EXPECT_EQ(e.status, 2) << fall;
        EXPECT_EQ(e.aus, "") << fall;
        EXPECT_EQ(std::count(e.fehler.begin(), e.fehler.end(), '\n'), 1) << e.fehler;
        EXPECT_TRUE(e.fehler.starts_with("zorvanta-report: ")) << e.fehler;
        EXPECT_FALSE(fs::exists(ordner_ / "d.png"));
    }
}

TEST_F(Diagrammwerkzeug, AChartThatCannotBeWrittenEndsWithOneLineAndStatusOne) {
    fs::create_directories(ordner_ / "ordner.png");
    const struct {
        std::string argumente, zeile;
    } faelle[] = {
        {kEin + " --chart " + Pfad("fehlt/d.png"),
         "zorvanta-report: Diagramm nicht schreibbar: " + Pfad("fehlt/d.png")},
        {kEin + " --chart " + Pfad("ordner.png"),
         "zorvanta-report: Diagramm nicht schreibbar: " + Pfad("ordner.png")},
        {"--a1 '' --chart " + Pfad("d.png"),
         "zorvanta-report: kein Diagramm: Daten unvollständig, Berechnung nicht möglich!"},
        {"--mode 2 --a1 '1 2' --a2 '1' --chart " + Pfad("d.png"),
         "zorvanta-report: kein Diagramm: Anzahl der Merkmale ist nicht gleich, Berechnung nicht "
         "möglich!"},
    };
    for (const auto& f : faelle) {
        const std::string ohne = f.argumente.substr(0, f.argumente.find(" --chart"));
        const Ergebnis e = Programm(f.argumente);
        EXPECT_EQ(e.status, 1) << f.argumente;
        EXPECT_EQ(e.aus, Programm(ohne).aus);  // the report is written all the same
        EXPECT_TRUE(e.fehler.starts_with(f.zeile)) << e.fehler;
        EXPECT_EQ(std::count(e.fehler.begin(), e.fehler.end(), '\n'), 1) << e.fehler;
        EXPECT_FALSE(fs::exists(ordner_ / "d.png"));
    }
}

TEST_F(Diagrammwerkzeug, WithoutChartTheToolkitIsNotStarted) {
    // A platform that does not exist would end any start of the toolkit.
    const Ergebnis e = Programm(kZwei, "env QT_QPA_PLATFORM=keine");
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.aus, Programm(kZwei).aus);
    EXPECT_EQ(e.fehler, "");
    // With --chart the same setting does stop it: the toolkit starts only then.
    EXPECT_NE(Programm(kZwei + " --chart " + Pfad("d.png"), "env QT_QPA_PLATFORM=keine").status, 0);
}

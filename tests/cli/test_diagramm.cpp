// The chart of the report tool, as a program: --chart writes a PNG of the asked size or a PDF
// beside an unchanged report, without a display; an unwritable path or unreadable lists are one
// line on the error stream with exit status 1; without --chart the toolkit is not started at
// all; a pipe or a device is written into, never replaced. Wrong chart options, usage errors,
// are cases in tests/faelle/werkzeug.txt.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

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

TEST_F(Diagrammwerkzeug, WhatIsNoRegularFileIsNeverReplaced) {
    // Device nodes of our own where this process may make them, so that a fault replaces those
    // and not the system's; elsewhere the system's, which such a process cannot replace.
    const auto geraet = [&](const std::string& name, unsigned nummer) {
        if (mknod(Pfad(name).c_str(), S_IFCHR | 0666, makedev(1, nummer)) == 0) return Pfad(name);
        return "/dev/" + name;
    };
    const std::string nullgeraet = geraet("null", 3), vollgeraet = geraet("full", 7);
    fs::create_symlink(nullgeraet, ordner_ / "null.png");
    fs::create_symlink(vollgeraet, ordner_ / "voll.png");
    const struct {
        std::string name;
        int status;
        std::string fehler;
    } faelle[] = {{"null.png", 0, ""},
                  {"voll.png", 1,
                   "zorvanta-report: Diagramm nicht schreibbar: " + Pfad("voll.png") +
                       ": Auf dem Datenträger ist kein Platz mehr frei.\n"}};
    for (const auto& f : faelle) {
        const Ergebnis e = Programm(kEin + " --chart " + Pfad(f.name));
        EXPECT_EQ(e.status, f.status) << f.name;
        EXPECT_EQ(e.fehler, f.fehler);
        EXPECT_EQ(e.aus, Programm(kEin).aus);
        EXPECT_TRUE(fs::is_symlink(ordner_ / f.name)) << f.name;
    }
    EXPECT_TRUE(fs::is_character_file(nullgeraet) && fs::is_character_file(vollgeraet));

    // A pipe's reader gets the picture, and the pipe stays.
    ASSERT_EQ(mkfifo(Pfad("x.png").c_str(), 0666), 0);
    std::string gelesen;
    std::thread leser([&] { gelesen = Lesen(ordner_ / "x.png"); });
    const Ergebnis e = Programm(kEin + " --chart " + Pfad("x.png"));
    leser.join();
    EXPECT_EQ(e.status, 0) << e.fehler;
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(gelesen), "PNG").size(), QSize(800, 600));
    EXPECT_EQ(fs::status(ordner_ / "x.png").type(), fs::file_type::fifo);

    // A link to a file stays a link, the file is replaced with its permissions; a link to no
    // file yet makes that file.
    { std::ofstream(Pfad("alt.png")) << "alt"; }
    fs::permissions(Pfad("alt.png"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("alt.png", ordner_ / "link.png");
    fs::create_symlink("neu.png", ordner_ / "neu-link.png");
    for (const std::string name : {"link.png", "neu-link.png"})
        EXPECT_EQ(Programm(kEin + " --chart " + Pfad(name)).status, 0) << name;
    for (const std::string ziel : {"alt.png", "neu.png"}) {
        EXPECT_EQ(QImage(QString::fromStdString(Pfad(ziel))).size(), QSize(800, 600)) << ziel;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(ordner_ / ziel)));
    }
    EXPECT_TRUE(fs::is_symlink(ordner_ / "link.png") && fs::is_symlink(ordner_ / "neu-link.png"));
    EXPECT_EQ(fs::status(Pfad("alt.png")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    // No temporary file is left.
    for (const auto& eintrag : fs::directory_iterator(ordner_))
        EXPECT_NE(eintrag.path().filename().string().front(), '.') << eintrag.path();
}

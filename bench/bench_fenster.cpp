// The window at the largest inputs, driven headless the way a user drives it:
// - the report from the click on "&Berechnen" until the output box has been painted with it,
//   beside its two parts measured alone in the same iteration: the run, and an output box of
//   the same kind taking the same text;
// - typing and pasting into an input box that holds 100,000 characters;
// - start-up of a new process until the window is first painted, beside a bare main window of
//   the same size.
// "Shown" always means: every pending event delivered and the widget painted.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "Arbeitslasten.h"
#include "Messung.h"
#include "base/Speicher.h"
#include "ui/frmStatistik.h"

extern char** environ;

namespace {

using zvbench::Malzaehler;
using zvbench::Melden;
using zvbench::Messen;
using zvbench::Messung;
using zvbench::Werte;

// Delivers every pending event, the deferred repaint among them. Should the event loop not
// have painted the widget, it is painted here, so that the painting is always counted.
// Returns whether the event loop painted it by itself.
bool Zeigen(QWidget* w, Malzaehler& maler) {
    const int vorher = maler.Anzahl;
    QCoreApplication::processEvents();
    if (maler.Anzahl != vorher) return true;
    w->repaint();
    return false;
}

// Shows a top-level widget and delivers events until its window is exposed and the widget has
// been painted. False after five seconds without.
bool ZeigenUndWarten(QWidget* w) {
    Malzaehler maler(w);
    w->show();
    QElapsedTimer uhr;
    uhr.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed() && maler.Anzahl > 0)) {
        if (uhr.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

template <class T>
T* Element(QObject* fenster, const QString& name) {
    T* w = fenster->findChild<T*>(name);
    if (w == nullptr) {
        std::fprintf(stderr, "control %s missing\n", qPrintable(name));
        std::abort();
    }
    return w;
}

// The workload with its decimal commas turned into the window's decimal separator, which
// comes from the environment.
zv::Steuerzustand Arbeitslast(bool zweidimensional, int n, Werte art, const std::string& dezimal) {
    zv::Steuerzustand z = zvbench::Zustand(zweidimensional, n, art, true);
    if (dezimal != ",") {
        for (std::string* text : {&z.txtM1, &z.txtM2}) {
            std::string neu;
            neu.reserve(text->size());
            for (char c : *text) {
                if (c == ',')
                    neu += dezimal;
                else
                    neu += c;
            }
            *text = std::move(neu);
        }
    }
    return z;
}

// Puts the control states into the window through its controls, the way a user sets them.
bool Einstellen(frmStatistik& f, const zv::Steuerzustand& z) {
    Element<QRadioButton>(&f, z.Zweidimensional ? "optMaterial_1" : "optMaterial_0")
        ->setChecked(true);
    Element<QRadioButton>(&f, QStringLiteral("optSeparator_%1").arg(z.Trennzeichenwahl))
        ->setChecked(true);
    Element<QLineEdit>(&f, "txtNks")->setText(QString::fromStdString(z.txtNks));
    Element<QLineEdit>(&f, "txtM1")->setText(QString::fromStdString(z.txtM1));
    Element<QLineEdit>(&f, "txtM2")->setText(QString::fromStdString(z.txtM2));
    auto* liste = Element<QListWidget>(&f, "lstSelection");
    if (liste->count() != static_cast<int>(z.lstSelection.size())) return false;
    for (int i = 0; i < liste->count(); ++i) {
        const auto& eintrag = z.lstSelection[static_cast<std::size_t>(i)];
        if (liste->item(i)->text().toStdString() != eintrag.Text) return false;
        liste->item(i)->setSelected(eintrag.Ausgewaehlt);
    }
    auto* detail = Element<QCheckBox>(&f, "chkDetail");
    detail->setChecked(z.chkDetail);
    return detail->isChecked() == z.chkDetail;
}

void Klicken(QPushButton* knopf) {
    QTest::mouseClick(knopf, Qt::LeftButton, {}, knopf->rect().center());
}

// The report as the window keeps it ("Ausgabe kopieren" hands it over unchanged).
QString BerichtDesFensters(frmStatistik& f) {
    Element<QAction>(&f, "mnuCopy")->trigger();
    return QGuiApplication::clipboard()->text();
}

// ----- Paired measurements --------------------------------------------------------------
// The parts of a ratio are measured in turn within every iteration, so that a busy spell of
// the machine falls on all of them alike. Each part is timed by the processor time of the
// whole process (the toolkit fills large areas with helper threads) and by the wall clock.

// ----- Target 4: the report in the window, the run alone, the output box alone -------------

void Bericht(benchmark::State& state, bool zweidimensional, Werte art) {
    const int n = static_cast<int>(state.range(0));
    frmStatistik f;
    if (!ZeigenUndWarten(&f)) {
        state.SkipWithError("window not shown");
        return;
    }
    const zv::Steuerzustand zustand =
        Arbeitslast(zweidimensional, n, art, f.Lauf().Dezimaltrennzeichen());
    zv::clsRechenlauf lauf(f.Lauf().Dezimaltrennzeichen());
    const std::string bericht = lauf.cmdCalculate_Click(zustand).txtAusgabe;
    // The raw list alone is longer than n characters; anything shorter is a message line.
    if (bericht.size() <= static_cast<std::size_t>(n)) {
        state.SkipWithError("the workload ends in a message, not a report");
        return;
    }

    auto* ausgabe = Element<QPlainTextEdit>(&f, "txtAusgabe");
    auto* knopf = Element<QPushButton>(&f, "cmdCalculate");
    if (!Einstellen(f, zustand)) {
        state.SkipWithError("control states not taken");
        return;
    }

    // An output box of the same kind, font, wrapping, scroll bars, size and place, in a bare
    // top-level widget of the window's size. As in the window after the click, the focus is on
    // a button: a box with the focus keeps its cursor in view, which costs extra layout.
    QWidget huelle;
    huelle.resize(f.size());
    auto* kasten = new QPlainTextEdit(&huelle);
    kasten->setFont(ausgabe->font());
    kasten->setLineWrapMode(ausgabe->lineWrapMode());
    kasten->setVerticalScrollBarPolicy(ausgabe->verticalScrollBarPolicy());
    kasten->setHorizontalScrollBarPolicy(ausgabe->horizontalScrollBarPolicy());
    kasten->setTabChangesFocus(ausgabe->tabChangesFocus());
    kasten->setGeometry(ausgabe->geometry());
    auto* kastenknopf = new QPushButton(QStringLiteral("&Berechnen"), &huelle);
    kastenknopf->setGeometry(knopf->geometry());
    if (!ZeigenUndWarten(&huelle)) {
        state.SkipWithError("box not shown");
        return;
    }
    kastenknopf->setFocus();
    f.activateWindow();
    QCoreApplication::processEvents();

    // The click must produce exactly the report of the reference run.
    Klicken(knopf);
    QCoreApplication::processEvents();
    if (BerichtDesFensters(f) != QString::fromStdString(bericht)) {
        state.SkipWithError("the window's report differs from the run's");
        return;
    }
    if (ausgabe->hasFocus() || kasten->hasFocus()) {
        state.SkipWithError("an output box has the focus");
        return;
    }

    Malzaehler fenstermaler(ausgabe->viewport());
    Malzaehler kastenmaler(kasten->viewport());
    int vonSelbst = 0;
    Messung fenster, laufzeit, kastenzeit;
    for (auto _ : state) {
        double dauer = Messen(fenster, [&] {
            Klicken(knopf);
            vonSelbst += Zeigen(ausgabe->viewport(), fenstermaler);
        });
        dauer += Messen(laufzeit, [&] {
            const zv::Laufergebnis ergebnis = lauf.cmdCalculate_Click(zustand);
            benchmark::DoNotOptimize(ergebnis.txtAusgabe.data());
        });
        dauer += Messen(kastenzeit, [&] {
            kasten->setPlainText(QString::fromStdString(bericht));
            vonSelbst += Zeigen(kasten->viewport(), kastenmaler);
        });
        state.SetIterationTime(dauer);
    }
    Melden(state, "window", fenster);
    Melden(state, "run", laufzeit);
    Melden(state, "box", kastenzeit);
    state.counters["bytes"] = static_cast<double>(bericht.size());
    // 2 when both boxes were painted by the event loop itself every time.
    state.counters["painted_by_loop"] =
        benchmark::Counter(vonSelbst, benchmark::Counter::kAvgIterations);
}

// ----- Typing and pasting into a long input box ---------------------------------------------

constexpr int kLangeEingabe = 100000;

// A value list of exactly that many characters, no trailing blank.
QString LangeListe(int laenge) {
    QString text = QString::fromStdString(zvbench::Liste(laenge / 2, Werte::Ganz, 3)).left(laenge);
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    while (text.size() < laenge) text += QLatin1Char('7');
    return text;
}

enum class Eingabe { Taste, Einfuegen, GrossEinfuegen };

void Tippen(benchmark::State& state, Eingabe art) {
    frmStatistik f;
    if (!ZeigenUndWarten(&f)) {
        state.SkipWithError("window not shown");
        return;
    }
    auto* feld = Element<QLineEdit>(&f, "txtM1");
    const QString lang = LangeListe(kLangeEingabe);
    // A column copied from a spreadsheet: a few lines, or the whole list as lines.
    QString spalte = art == Eingabe::GrossEinfuegen ? lang : QStringLiteral("12\r\n13\r\n14\r\n");
    spalte.replace(QLatin1Char(' '), QLatin1String("\r\n"));
    QGuiApplication::clipboard()->setText(spalte);
    const QString vorher = art == Eingabe::GrossEinfuegen ? QString() : lang;

    f.activateWindow();
    feld->setFocus();
    Malzaehler maler(feld);
    const auto zuruecksetzen = [&] {
        feld->setText(vorher);
        feld->end(false);
        Zeigen(feld, maler);
    };
    zuruecksetzen();
    if (art == Eingabe::Taste) {
        // Both keys must reach the box.
        QTest::keyClick(feld, '7');
        const bool getippt = feld->text() == lang + QLatin1Char('7');
        QTest::keyClick(feld, Qt::Key_Backspace);
        if (!getippt || feld->text() != lang) {
            state.SkipWithError("the keys do not reach the box");
            return;
        }
    }

    int vonSelbst = 0, schritte = 0;
    for (auto _ : state) {
        switch (art) {
            case Eingabe::Taste:
                // One key and its Backspace: the box is back where it was.
                QTest::keyClick(feld, '7');
                vonSelbst += Zeigen(feld, maler);
                QTest::keyClick(feld, Qt::Key_Backspace);
                vonSelbst += Zeigen(feld, maler);
                schritte += 2;
                break;
            case Eingabe::Einfuegen:
            case Eingabe::GrossEinfuegen:
                QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
                vonSelbst += Zeigen(feld, maler);
                schritte += 1;
                state.PauseTiming();
                zuruecksetzen();
                state.ResumeTiming();
                break;
        }
    }
    // Each paste must have arrived whole, line breaks as blanks.
    if (art != Eingabe::Taste) {
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        const QString erwartet =
            art == Eingabe::GrossEinfuegen ? lang : lang + QStringLiteral("12 13 14");
        if (feld->text() != erwartet) state.SkipWithError("the paste did not arrive whole");
    } else if (feld->text() != lang) {
        state.SkipWithError("typing changed the box unexpectedly");
    }
    state.counters["characters"] = static_cast<double>(feld->text().size());
    state.counters["steps_per_iteration"] =
        static_cast<double>(schritte) / static_cast<double>(state.iterations());
    state.counters["painted_by_loop"] =
        benchmark::Counter(vonSelbst, benchmark::Counter::kAvgIterations);
}

// ----- Target 5: start-up to the first shown window -----------------------------------------

// The size of the program's window, for the bare window beside it.
QSize Fenstergroesse() {
    static const QSize groesse = frmStatistik().size();
    return groesse;
}

std::unique_ptr<QMainWindow> NeuesFenster(bool voll, QSize groesse) {
    if (voll) return std::make_unique<frmStatistik>();
    auto leer = std::make_unique<QMainWindow>();
    leer->resize(groesse);
    return leer;
}

// A new process of this program (ZV_KALTSTART=fenster or leer:WIDTHxHEIGHT) starts the
// application, shows one window, waits until it is painted and ends at once. The parent times
// it by the wall clock and by the child's own processor time.
constexpr const char* kKaltstart = "ZV_KALTSTART";

int Kaltstart(int argc, char** argv, const char* art) {
    QApplication anwendung(argc, argv);
    int breite = 0, hoehe = 0;
    const bool voll = std::strcmp(art, "fenster") == 0;
    if (!voll && std::sscanf(art, "leer:%dx%d", &breite, &hoehe) != 2) return 3;
    std::unique_ptr<QMainWindow> fenster = NeuesFenster(voll, QSize(breite, hoehe));
    const bool gezeigt = ZeigenUndWarten(fenster.get());
    const bool passend = voll || fenster->size() == QSize(breite, hoehe);
    std::fflush(nullptr);
    // Tearing down is not part of starting.
    std::_Exit(!gezeigt ? 4 : passend ? 0 : 3);
}

// Starts this program as a new process that shows one window; false if it failed.
bool Prozess(const std::string& art, Messung& m, double& dauer) {
    std::vector<std::string> umgebung{std::string(kKaltstart) + "=" + art};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, kKaltstart, std::strlen(kKaltstart)) != 0) umgebung.emplace_back(*e);
    // The toolkit's start-up notes would repeat once per process.
    return zvbench::ProgrammMessen("/proc/self/exe", {"zv_bench_fenster"}, umgebung, STDERR_FILENO,
                                   m, dauer);
}

void StartNeuerProzess(benchmark::State& state) {
    const QSize groesse = Fenstergroesse();
    const std::string leer =
        "leer:" + std::to_string(groesse.width()) + "x" + std::to_string(groesse.height());
    Messung voll, bar;
    for (auto _ : state) {
        double dauer = 0;
        if (!Prozess("fenster", voll, dauer) || !Prozess(leer, bar, dauer)) {
            state.SkipWithError("a started process failed (exit status 3: bad size, 4: not shown)");
            return;
        }
        state.SetIterationTime(dauer);
    }
    Melden(state, "window", voll);
    Melden(state, "bare", bar);
}

// ----- Registration ------------------------------------------------------------------------

const int kRegistriert = [] {
    const struct {
        const char* name;
        bool zweidimensional;
        Werte art;
        int n;
    } lasten[] = {
        {"Report_W1_ganz", false, Werte::Ganz, 32767},
        {"Report_W1_dezimal", false, Werte::Dezimal, 32767},
        {"Report_W2", true, Werte::Ganz, 32767},
        {"Report_W3", true, Werte::Ganz, 4000},
    };
    for (const auto& l : lasten)
        benchmark::RegisterBenchmark(
            l.name, [l](benchmark::State& s) { Bericht(s, l.zweidimensional, l.art); })
            ->Arg(l.n)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->MinTime(1.0);

    // Processor time of the whole process: the toolkit fills large areas with helper threads.
    const struct {
        const char* name;
        Eingabe art;
    } eingaben[] = {{"Typing_key_and_backspace", Eingabe::Taste},
                    {"Paste_3_lines_into", Eingabe::Einfuegen},
                    {"Paste_whole_list_of", Eingabe::GrossEinfuegen}};
    for (const auto& e : eingaben)
        benchmark::RegisterBenchmark(e.name, [e](benchmark::State& s) { Tippen(s, e.art); })
            ->Arg(kLangeEingabe)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->MinTime(0.5);

    benchmark::RegisterBenchmark("Startup_new_process", StartNeuerProzess)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->MinTime(1.0);
    return 0;
}();

}  // namespace

int main(int argc, char** argv) {
    zv::SpeicherEinrichten();  // as the program does
    // Headless unless a platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const char* art = std::getenv(kKaltstart)) return Kaltstart(argc, argv, art);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication anwendung(argc, argv);
    frmStatistik::SchriftenErsetzen();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

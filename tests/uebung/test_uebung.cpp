// The practice layer: the truth of a task agrees with the report's printed results, the marks
// at the edges of rounding, and every catalogued mistake named on data where it shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/Zahltext.h"
#include "run/Rechenlauf.h"
#include "uebung/Aufgabe.h"
#include "uebung/Bewertung.h"
#include "uebung/Fehlerkatalog.h"

namespace zv {
namespace {

// Random control states: whole values 1..20, or values with one decimal for the measures of
// one list and the correlation; every entry of the mode selected.
Steuerzustand Zufallszustand(std::mt19937& zufall, bool zweidimensional, int nks) {
    std::uniform_int_distribution<int> anzahl(2, 12), wert(1, 200), art(0, 1);
    const bool ganz = art(zufall) == 0 || zweidimensional;
    const int n = anzahl(zufall);
    const auto liste = [&] {
        std::string text;
        for (int i = 0; i < n; ++i) {
            const int w = wert(zufall);
            if (!text.empty()) text += ' ';
            text += ganz ? GanzzahlText(w % 20 + 1) : GerundetText(w / 10.0, 1, ",");
        }
        return text;
    };
    Steuerzustand z;
    z.Zweidimensional = zweidimensional;
    z.txtNks = std::to_string(nks);
    z.txtM1 = liste();
    if (zweidimensional) z.txtM2 = liste();
    for (const std::string& e : ListenEintraege(zweidimensional))
        z.lstSelection.push_back({e, true});
    return z;
}

// The report's text for a row: the rest of the line labelled "Name: " or "Name = "; the
// conditional frequencies by their order in the section, the margins from the table.
std::string Berichtswert(const std::string& bericht, const std::string& name) {
    std::vector<std::string> zeilen;
    for (std::size_t a = 0, e; (e = bericht.find("\r\n", a)) != std::string::npos; a = e + 2)
        zeilen.push_back(bericht.substr(a, e - a));
    const auto nach = [&](const std::string& kopf, int welche) -> std::string {
        for (const std::string& z : zeilen)
            if (z.rfind(kopf, 0) == 0 && welche-- == 0) return z.substr(kopf.size());
        return "?";
    };
    const auto spalte = [&](const std::string& kopf, bool rechts) {
        std::string rest = nach(kopf, 0);
        const std::size_t strich = rest.rfind(" | ");
        return rechts ? rest.substr(strich + 3) : rest.substr(0, strich);
    };
    if (name == "f(a1|bj)" || name == "f(a2|bj)") return nach("f(ai|bj): ", name[3] - '1');
    if (name == "f(bj|a1)" || name == "f(bj|a2)") return nach("f(bj|ai): ", name[6] - '1');
    if (name == "h.j") return spalte("    h.j | ", false);
    if (name == "n") return spalte("    h.j | ", true).substr(2);
    if (name == "hi.") return spalte("     a1 | ", true) + " " + spalte("     a2 | ", true);
    if (name == "Modus" && nach("Modus: ", 0).find("kein") != std::string::npos) return "kein";
    for (const char* trenner : {": ", " = "})
        if (std::string w = nach(name + trenner, 0); w != "?") return w;
    return "?";
}

TEST(Uebung, DieWerteDesBerichtsSindRichtig) {
    std::mt19937 zufall(20261207);
    std::size_t zeilen = 0;
    for (int runde = 0; runde < 400; ++runde) {
        const bool zweidimensional = runde % 2 == 1;
        const int nks = 1 + runde / 2 % 4;
        Steuerzustand z = Zufallszustand(zufall, zweidimensional, nks);
        const Aufgabe aufgabe = AufgabeStellen(z, ",");
        ASSERT_TRUE(aufgabe.Abbruch.empty()) << aufgabe.Abbruch;
        const std::string bericht = clsRechenlauf(",").cmdCalculate_Click(z).txtAusgabe;
        for (const Antwortzeile& zeile : aufgabe.Zeilen) {
            const std::string wert = Berichtswert(bericht, zeile.Name);
            ASSERT_NE(wert, "?") << zeile.Name << "\n" << bericht;
            const Bewertung b = AntwortBewerten(aufgabe, zeile, wert);
            EXPECT_EQ(b.Urteil, Note::Richtig) << zeile.Name << " = " << wert << "\n" << bericht;
            EXPECT_EQ(b.Satz, "") << zeile.Name;
            ++zeilen;
        }
    }
    EXPECT_GT(zeilen, 4000u);
}

TEST(Uebung, RundungAnDenRaendern) {
    struct Fall {
        double Antwort, Wahr;
        int Nks;
        bool Voll;
        Note Erwartet;
    };
    const Fall faelle[] = {
        {2.34, 2.345, 2, false, Note::Richtig},  // a half in the text: down (as printed)
        {2.35, 2.345, 2, false, Note::Richtig},  // and up, as textbooks round
        {2.36, 2.345, 2, false, Note::Falsch},
        {2.3, 2.345, 2, false, Note::ZuUngenau},
        {0.13, 0.125, 2, false, Note::Richtig},  // an exact binary half, printed 0,12
        {0.12, 0.125, 2, false, Note::Richtig},
        {-3, -2.5, 0, false, Note::Richtig},
        {-2, -2.5, 0, false, Note::Richtig},
        {10, 9.995, 2, false, Note::Richtig},  // the carry through every place
        {9.99, 9.995, 2, false, Note::Richtig},
        {1.235, 1.23456, 3, false, Note::Richtig},
        {1.234, 1.23456, 3, false, Note::Falsch},
        {1.23, 1.23456, 3, false, Note::ZuUngenau},
        {1, 1.23456, 3, false, Note::ZuUngenau},
        {1.2346, 1.23456, 3, false, Note::Falsch},  // more places than asked are no rounding
        {2.25, 2.25, 1, true, Note::Richtig},       // a value printed in full, given in full
        {2.2, 2.25, 1, true, Note::Richtig},
        {2.3, 2.25, 1, true, Note::Richtig},
        {2, 2.25, 1, true, Note::ZuUngenau},
        {2.25, 2.25, 1, false, Note::Falsch},  // a rounded result given with more places
        {3.14159, 3.14159, 2, true, Note::Richtig},
        {3.14, 3.14159, 2, false, Note::Richtig},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(WertBewerten(f.Antwort, f.Wahr, f.Nks, f.Voll), f.Erwartet)
            << f.Antwort << " für " << f.Wahr << " auf " << f.Nks;
}

// Each mistake on random data where it gives a result of its own at the places: the answer
// that result is falsch and named by the mistake's sentence, the right one is not.
TEST(Uebung, JederFehlerWirdErkannt) {
    constexpr std::string_view kZweidimensional[] = {"rSP", "r",    "R²", "^a",
                                                     "^b",  "chi²", "K",  "K*"};
    std::mt19937 zufall(7);
    for (const Fehlerbild& f : AlleFehlerbilder()) {
        bool gesehen = false;
        for (int versuch = 0; versuch < 500 && !gesehen; ++versuch) {
            const bool zweidimensional = std::ranges::count(kZweidimensional, f.Name) > 0;
            const int nks = 1 + versuch % 4;
            const Aufgabe a = AufgabeStellen(Zufallszustand(zufall, zweidimensional, nks), ",");
            const Antwortzeile* zeile = ZeileZuName(a, f.Name);
            const std::optional<Fehlrechnung> r = FehlerRechnen(f, a);
            if (zeile == nullptr || !r) continue;
            const std::string antwort = GerundetText(r->Wert, nks, ",");
            const Bewertung b = AntwortBewerten(a, *zeile, antwort);
            // Where the mistake gives the truth at these or fewer places, it is not wrong.
            if (b.Urteil != Note::Falsch) continue;
            // An earlier mistake of the row may give the same number; then that one is named.
            if (b.Satz != FehlerSatz(f, *r, antwort)) {
                bool frueher = false;
                for (const Fehlerbild& g : AlleFehlerbilder()) {
                    if (&g == &f) break;
                    const auto s = FehlerRechnen(g, a);
                    frueher = frueher ||
                              (g.Name == f.Name && s && GerundetText(s->Wert, nks, ",") == antwort);
                }
                ASSERT_TRUE(frueher) << f.Satz << "\n" << b.Satz;
                continue;
            }
            EXPECT_EQ(b.Urteil, Note::Falsch) << f.Satz;
            const std::string richtig = zeile->Art == Zeilenart::Modus
                                            ? VollText(zeile->Wahr.front(), ",")
                                            : GerundetText(zeile->Wahr.front(), nks, ",");
            EXPECT_EQ(AntwortBewerten(a, *zeile, richtig).Satz, "") << f.Satz;
            gesehen = true;
        }
        EXPECT_TRUE(gesehen) << "nie gezeigt: " << f.Satz;
    }
}

}  // namespace
}  // namespace zv

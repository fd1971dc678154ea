// Worksheets: every page its own data, the tasks labelled as the answer rows, the key with the
// worked solution of each page; the same start value gives the same pages.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/Text.h"
#include "base/Zahltext.h"
#include "run/Statistiken.h"
#include "uebung/Arbeitsblatt.h"
#include "uebung/Aufgabe.h"

namespace zv {
namespace {

Blattwunsch Wunsch(int blaetter, std::uint32_t startwert, bool zweidimensional,
                   std::vector<std::string> eintraege, int werte = 10) {
    Blattwunsch w;
    w.Blaetter = blaetter;
    w.Startwert = startwert;
    w.Werte = werte;
    w.Vorlage.Zweidimensional = zweidimensional;
    for (const std::string& e : ListenEintraege(zweidimensional))
        w.Vorlage.lstSelection.push_back(
            {e, eintraege.empty() ||
                    std::find(eintraege.begin(), eintraege.end(), e) != eintraege.end()});
    return w;
}

// The lines of all pages whose header begins with the text.
std::vector<std::string> Zeilen(const std::vector<Blattseite>& seiten, const std::string& kopf) {
    std::vector<std::string> zeilen;
    for (const Blattseite& s : seiten)
        if (s.Kopf.rfind(kopf, 0) == 0)
            zeilen.insert(zeilen.end(), s.Zeilen.begin(), s.Zeilen.end());
    return zeilen;
}

std::vector<std::string> Woerter(const std::string& text) {
    std::vector<std::string> woerter;
    std::string wort;
    for (const char c : text + " ") {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!wort.empty()) woerter.push_back(std::move(wort));
            wort.clear();
        } else {
            wort += c;
        }
    }
    return woerter;
}

bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& teil) {
    return std::any_of(zeilen.begin(), zeilen.end(),
                       [&](const std::string& z) { return z.find(teil) != std::string::npos; });
}

struct Fall {
    const char* name;
    bool zweidimensional;
    std::vector<std::string> eintraege;
    int werte;
    int trenner = 0;        // the separator option: 3 for the tab, which the key expands
    const char* nks = "3";  // the decimal places
};

class Arbeitsblaetter : public ::testing::TestWithParam<Fall> {};

TEST_P(Arbeitsblaetter, JedesBlattEigeneDatenAufgabenUndLoesung) {
    const Fall& f = GetParam();
    constexpr int kBlaetter = 3;
    Blattwunsch wunsch = Wunsch(kBlaetter, 42, f.zweidimensional, f.eintraege, f.werte);
    wunsch.Vorlage.Rechentabellen = true;  // long lines in the key
    wunsch.Vorlage.Trennzeichenwahl = f.trenner;
    wunsch.Vorlage.txtNks = f.nks;
    const std::vector<Blattseite> seiten = ArbeitsblaetterSetzen(wunsch);

    std::set<std::string> datensaetze;
    for (int blatt = 1; blatt <= kBlaetter; ++blatt) {
        const std::string nummer = "Blatt " + std::to_string(blatt) + " von 3";
        const Zufallsdaten daten = BlattdatenErzeugen(wunsch, blatt);
        datensaetze.insert(daten.txtM1 + "|" + daten.txtM2);
        Steuerzustand zustand = wunsch.Vorlage;
        zustand.txtM1 = daten.txtM1;
        if (f.zweidimensional) zustand.txtM2 = daten.txtM2;
        const Aufgabe aufgabe = AufgabeStellen(zustand, wunsch.Dezimal);
        ASSERT_TRUE(aufgabe.Abbruch.empty()) << aufgabe.Abbruch;
        ASSERT_FALSE(aufgabe.Zeilen.empty());

        // The pupil's page: n stated, one task line per answer row, in order, with its label.
        const std::vector<std::string> blatt_ = Zeilen(seiten, "Übungsblatt – " + nummer);
        EXPECT_TRUE(Enthaelt(blatt_, "n = " + std::to_string(f.werte)));
        EXPECT_TRUE(Enthaelt(blatt_, std::string("Runden Sie auf ") + f.nks + " Nachkommastelle" +
                                         (f.nks == std::string("1") ? ";" : "n;")));
        // A task is the line above its first answer line: "  " and the label, then ":" or a
        // hint. Its answer lines hold, written as printed, every value the answer has.
        std::vector<std::string> aufgaben;
        std::vector<std::size_t> raum;
        for (std::size_t i = 1; i < blatt_.size(); ++i) {
            if (blatt_[i].rfind("      ___", 0) != 0) continue;
            if (blatt_[i - 1].rfind("      ___", 0) != 0 && !blatt_[i - 1].empty()) {
                aufgaben.push_back(blatt_[i - 1]);
                raum.push_back(0);
            }
            raum.back() += blatt_[i].size() - 6;
        }
        ASSERT_EQ(aufgaben.size(), aufgabe.Zeilen.size()) << nummer;
        for (std::size_t i = 0; i < aufgaben.size(); ++i) {
            const Antwortzeile& z = aufgabe.Zeilen[i];
            EXPECT_TRUE(aufgaben[i].rfind("  " + z.Name + ":", 0) == 0 ||
                        aufgaben[i].rfind("  " + z.Name + " (", 0) == 0)
                << nummer << ": " << aufgaben[i];
            std::size_t antwort = 0;
            for (const double w : z.Wahr)
                antwort += 1 + Zeichenzahl(z.Art == Zeilenart::ListeGerundet
                                               ? GerundetText(w, aufgabe.Einstellungen.Nks, ",")
                                               : VollText(w, ","));
            EXPECT_GE(raum[i], antwort) << nummer << ": " << z.Name;
        }

        // The key: each entry's worked solution as the layer gives it, word for word; lines
        // carried on may break only between words.
        const std::vector<std::string> loesung = Zeilen(seiten, "Lösungen – " + nummer);
        ASSERT_FALSE(loesung.empty()) << nummer;
        EXPECT_EQ(loesung.front(), "Lösung zu " + nummer);
        std::vector<std::string> erwartet, gesetzt;
        for (const Statistik* e : aufgabe.Eintraege) {
            const std::vector<std::string> w = Woerter(Loesungsweg(aufgabe, *e));
            erwartet.insert(erwartet.end(), w.begin(), w.end());
        }
        // Pieces put together again: glued where a piece without any blank was cut at the full
        // width, else apart by a blank.
        std::string ganz;
        bool geschnitten = false;
        for (const std::string& z : loesung) {
            const bool weiter = z.rfind("» ", 0) == 0;
            const std::string rest = weiter ? z.substr(std::string("» ").size()) : z;
            ganz += !weiter ? "\n" : geschnitten ? "" : " ";
            ganz += rest;
            geschnitten = Zeichenzahl(z) == kBlattbreite && rest.find(' ') == std::string::npos;
        }
        gesetzt = Woerter(ganz);
        ASSERT_GE(gesetzt.size(), erwartet.size());
        EXPECT_TRUE(std::equal(erwartet.begin(), erwartet.end(),
                               gesetzt.end() - static_cast<long>(erwartet.size())))
            << nummer;
    }
    EXPECT_EQ(datensaetze.size(), static_cast<std::size_t>(kBlaetter));

    // Pupils' pages first, then the key; numbered through; nothing wider or longer than a page.
    ASSERT_GE(seiten.size(), 2u * kBlaetter);
    EXPECT_EQ(seiten.front().Kopf, "Übungsblatt – Blatt 1 von 3");
    EXPECT_EQ(seiten.back().Kopf.rfind("Lösungen – Blatt 3 von 3", 0), 0u);
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        EXPECT_EQ(seiten[i].Seitenangabe,
                  "Seite " + std::to_string(i + 1) + " von " + std::to_string(seiten.size()));
        EXPECT_LE(seiten[i].Zeilen.size(), kZeilenProBlatt);
        // A task's answer lines stay on the page of its label.
        EXPECT_FALSE(!seiten[i].Zeilen.empty() &&
                     seiten[i].Zeilen.front().rfind("      ___", 0) == 0)
            << seiten[i].Kopf;
        for (const std::string& z : seiten[i].Zeilen) EXPECT_LE(Zeichenzahl(z), kBlattbreite) << z;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Arbeitsblaetter,
    ::testing::Values(Fall{"Lage", false, {"Modus", "Median", "Arithmetisches Mittel"}, 10, 3},
                      Fall{"AlleEindimensional", false, {}, 99},
                      Fall{"Korrelation",
                           true,
                           {"Bravais-Pearson-Korrelationskoeffizient", "Lineare Regression"},
                           7,
                           0,
                           "1"},
                      Fall{"AlleZweidimensional", true, {}, 25}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Arbeitsblaetter, GleicherStartwertGleicheBlaetter) {
    const Blattwunsch a = Wunsch(4, 7, true, {"Kovarianz"});
    const auto erste = ArbeitsblaetterSetzen(a), zweite = ArbeitsblaetterSetzen(a);
    ASSERT_EQ(erste.size(), zweite.size());
    for (std::size_t i = 0; i < erste.size(); ++i) EXPECT_EQ(erste[i].Zeilen, zweite[i].Zeilen);

    // A page's data depend on the start value and its number, not on how many pages there are.
    const Blattwunsch mehr = Wunsch(9, 7, true, {"Kovarianz"});
    EXPECT_EQ(BlattdatenErzeugen(a, 3).txtM1, BlattdatenErzeugen(mehr, 3).txtM1);
    EXPECT_EQ(BlattdatenErzeugen(a, 3).txtM2, BlattdatenErzeugen(mehr, 3).txtM2);
    const Blattwunsch andere = Wunsch(4, 8, true, {"Kovarianz"});
    EXPECT_NE(BlattdatenErzeugen(a, 1).txtM1, BlattdatenErzeugen(andere, 1).txtM1);
}

// The generator moves the clock by up to the value count either way: no two pages or start
// values may come that close, or their data would share draws.
TEST(Arbeitsblaetter, UhrenVerschiedenerBlaetterLiegenAuseinander) {
    const std::pair<std::uint32_t, int> paare[][2] = {{{0, 1}, {0, 2}},
                                                      {{0, kMeisteBlaetter}, {1, 1}},
                                                      {{5, 500}, {6, 1}},
                                                      {{5, 1}, {6, 1}},
                                                      {{4294967295u, 499}, {4294967295u, 500}},
                                                      {{4294967294u, 500}, {4294967295u, 1}}};
    for (const auto& paar : paare) {
        Blattuhr u1(paar[0].first, paar[0].second), u2(paar[1].first, paar[1].second);
        EXPECT_GT(std::abs(u1.Jetzt() - u2.Jetzt()), 2.0 * kMeisteWerte)
            << paar[0].first << "/" << paar[0].second;
    }
}

}  // namespace
}  // namespace zv

// The hints beside the report's line: each cause of a box that cannot be read, run through the
// run as the window runs it, names its value, its box and what to do.

#include <gtest/gtest.h>

#include "Berichtstest.h"
#include "run/Eingabehinweis.h"
#include "run/Trennzeichen.h"

namespace {

struct Fall {
    bool Zwei;
    int Trenner;  // 0 blank, 1 comma, 2 semicolon
    const char *M1, *M2, *Dezimal;
    int Feld;  // 0: no hint
    const char* Text;
};

const Fall kFaelle[] = {
    {false, 0, "1 2.5 3", "", ",", 1,
     "Wert 2 in der Urliste ist keine Zahl: „2.5“.\nDezimalkomma verwenden: 2,5"},
    {false, 0, "1 2,5 3", "", ".", 1,
     "Wert 2 in der Urliste ist keine Zahl: „2,5“.\nDezimalpunkt verwenden: 2.5"},
    {true, 2, "1;2;3", "4;5 6;7", ",", 2,
     "Wert 2 in Merkmal a2 ist keine Zahl: „5 6“.\nEr enthält Leerstellen, als Trennzeichen ist "
     "aber das Semikolon (;) gewählt.\nDie Werte mit Semikolons trennen oder als Trennzeichen die "
     "Leerstelle wählen."},
    {false, 0, "1,5,2 3", "", ",", 1,
     "Wert 1 in der Urliste ist keine Zahl: „1,5,2“.\nEr enthält Kommas, als Trennzeichen ist aber "
     "die Leerstelle gewählt.\nDie Werte mit Leerstellen trennen oder als Trennzeichen das Komma "
     "(,) "
     "wählen."},
    {false, 2, "1;;3", "", ",", 1,
     "In der Urliste fehlt Wert 2: zwischen zwei Trennzeichen steht nichts.\nDen Wert eintragen "
     "oder ein Trennzeichen löschen."},
    {false, 0, "7 zwei", "", ",", 1,
     "Wert 2 in der Urliste ist keine Zahl: „zwei“.\nErlaubt sind Zahlen wie 12, -3,5 oder "
     "1,5E+3."},
    {true, 0, "1 2 3 4 5 6", "1 2 3 4 5", ",", 2,
     "a1 hat 6 Werte, a2 hat 5.\nZu jedem Wert von a1 gehört ein Wert von a2: beide Listen "
     "brauchen gleich viele Werte."},
    {true, 0, "1", "", ",", 2,
     "a1 hat 1 Wert, a2 hat keine.\nZu jedem Wert von a1 gehört ein Wert von a2: beide Listen "
     "brauchen gleich viele Werte."},
    {false, 2, "", "", ",", 1,
     "Die Urliste ist leer: bitte Werte eintragen, getrennt durch das Semikolon (;)."},
    {true, 1, "1, 5", "2,7", ",", 2,
     "Das Komma trennt hier die Werte: „2,7“ sind in Merkmal a2 die Werte 2 und 7.\nFür "
     "Dezimalzahlen als Trennzeichen die Leerstelle oder das Semikolon wählen."},
    {false, 1, "1,5,2,5", "", ".", 0, ""},
    {true, 2, "1;2,5", "3;4", ",", 0, ""},
};

TEST(Eingabehinweis, NenntWertFeldUndAbhilfe) {
    for (const Fall& f : kFaelle) {
        const zv::Laufergebnis e =
            zvtest::Lauf(zvtest::Zustand(f.Zwei, f.Trenner, f.M1, f.M2, {}), f.Dezimal);
        const char trenner = zv::kTrennzeichenoptionen[f.Trenner].Zeichen;
        const auto h = zv::HinweisZurEingabe(e, f.Zwei, trenner, f.Dezimal);
        EXPECT_EQ(h ? h->Feld : 0, f.Feld) << f.M1;
        EXPECT_EQ(h ? h->Text : "", f.Text) << f.M1;
    }
}

TEST(Eingabehinweis, ZuVieleWerteMitTausenderpunkt) {
    std::string liste = "1";
    for (int i = 1; i < 40000; ++i) liste += " 1";
    const auto h = zv::HinweisZurEingabe(zvtest::Lauf(zvtest::Zustand(false, 0, liste, "", {})),
                                         false, ' ', ",");
    EXPECT_EQ(h ? h->Text : "", "Die Urliste hat 40.000 Werte; höchstens 32.767 sind möglich.");
}

}  // namespace

// The frequency-table sections called directly (three decimal places, separator ";"): without their
// title (as the contingency coefficient calls them, here also with Detail on) and with lists at and
// beyond the 16-bit limits. Whole reports of ordinary data are in tests/faelle/haeufigkeiten.txt.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Laufzeitfehler.h"
#include "core/Statistiken.h"
#include "sections/Berichtstest.h"

namespace {

using zv::clsRechenlauf;
using zv::Fehlerart;
using zvtest::Zeilen;
using Liste = std::vector<double>;
using Abschnitt = void (*)(clsRechenlauf&);

// The section of a list entry, called by the run with its title.
Abschnitt Eintrag(std::string_view text) {
    return zv::StatistikZuText(text)->Routine;
}

// The section without its title, as the contingency coefficient calls it.
template <void (clsRechenlauf::*Tafel)(bool&)>
void OhneTitel(clsRechenlauf& lauf) {
    bool ohneTitel = true;
    (lauf.*Tafel)(ohneTitel);
}

TEST(Haeufigkeitstafel, DirekteAufrufe) {
    const int k = 32767;  // the most values a 16-bit counter can walk
    auto wiederholt = [&](const std::string& eintrag) {  // k times, joined with "; "
        std::string t = eintrag;
        for (int i = 1; i < k; ++i) t += "; " + eintrag;
        return t;
    };
    const Abschnitt rand = Eintrag("Randhäufigkeiten"), bedingt = Eintrag("Bedingte Häufigkeiten"),
                    unabh = Eintrag("Unabhängigkeitsquotienten"),
                    kontingenz = Eintrag("Kontingenzkoeffizient");
    const Liste einsen(k, 1), dreien(k, 3), mehr(k + 1, 1);
    // 4839 columns give a joined label row of 32764 characters; widening column 1 by three or
    // four characters brings it to exactly 32767 (still fits) or 32768 (does not).
    Liste passt(4839, 1), zuBreit(4839, 1);
    passt[0] = 12345;
    zuBreit[0] = 123456;
    const auto ok = std::nullopt;
    const auto ueberlauf = Fehlerart::Ueberlauf;
    const struct {
        const char* name;
        Abschnitt abschnitt;
        Liste m1, m2;
        bool detail;
        std::optional<Fehlerart> fehler;
        std::string erwartet;  // every line appended before the section ended
        bool nurTeil = false;  // erwartet is only a part of the text
    } faelle[] = {
        // Without title but with Detail, which the run never asks for: the empty line stays.
        {"Rand ohne Titel mit Detail", OhneTitel<&clsRechenlauf::AusgabeRandhaeufigkeiten>,
         Liste{3}, Liste{4}, true, ok,
         Zeilen({"", "Merkmal | b1 | hi.", "--------+----+-------", "     a1 |  3 | 3",
                 "     a2 |  4 | 4", "--------+----+-------", "    h.j |  7 | n=7", ""})},
        {"Unabh ohne Titel mit Detail",
         OhneTitel<&clsRechenlauf::AusgabeUnabhaengigkeitsquotienten>, Liste{6, 4}, Liste{0, 10},
         true, ok, Zeilen({"", "h~a1: 3; 7", "h~a2: 3; 7", ""})},
        {"Beschriftung 32767 Zeichen", rand, passt, Liste(4839, 1), false, ok,
         "\r\n--------+-" + std::string(32767, '-') + "-+-------\r\n     a1 | 12345;  1; ", true},
        {"Beschriftung 32768 Zeichen", rand, zuBreit, Liste(4839, 1), false, ueberlauf, ""},
        {"Bedingt 32767", bedingt, einsen, dreien, false, ok,
         Zeilen({"BEDINGTE HÄUFIGKEITEN", "f(ai|bj): " + wiederholt("0,25"),
                 "f(ai|bj): " + wiederholt("0,75"), "", "f(bj|ai): " + wiederholt("0"),
                 "f(bj|ai): " + wiederholt("0"), ""})},
        {"Unabh 32767", unabh, einsen, dreien, false, ok,
         Zeilen({"UNABHÄNGIGKEITSQUOTIENTEN", "h~a1: " + wiederholt("1"),
                 "h~a2: " + wiederholt("3"), ""})},
        {"Kontingenz 32767", kontingenz, einsen, dreien, false, ok,
         Zeilen({"KONTINGENZKOEFFIZIENT", "chi² = 0", "K = 0", "Kmax = 0,707", "K* = 0", ""})},
        // So many columns do not fit in the label row; embedded, the table fails the same way
        // and the user's Detail is given back.
        {"Rand 32767", rand, einsen, dreien, false, ueberlauf, ""},
        {"Kontingenz 32767 Detail", kontingenz, einsen, dreien, true, ueberlauf,
         Zeilen({"KONTINGENZKOEFFIZIENT", "", "Randhäufigkeiten"})},
        {"Rand 32768", rand, mehr, mehr, false, ueberlauf, ""},
        {"Bedingt 32768", bedingt, mehr, mehr, false, ueberlauf, ""},
        {"Unabh 32768", unabh, mehr, mehr, false, ueberlauf, Zeilen({"UNABHÄNGIGKEITSQUOTIENTEN"})},
        {"Kontingenz 32768", kontingenz, mehr, mehr, false, ueberlauf, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        clsRechenlauf lauf(",");
        zvtest::Datensatz(lauf, f.m1, f.m2);
        lauf.Detail = f.detail;
        lauf.TrennzeichenSetzen(2);
        std::optional<Fehlerart> fehler;
        try {
            f.abschnitt(lauf);
        } catch (const zv::Laufzeitfehler& e) {
            fehler = e.Art();
        }
        EXPECT_EQ(fehler, f.fehler);
        if (f.nurTeil)
            EXPECT_NE(lauf.Ausgabe->Value().find(f.erwartet), std::string::npos);
        else
            EXPECT_EQ(lauf.Ausgabe->Value(), f.erwartet);
        EXPECT_EQ(lauf.Detail, f.detail);
    }
}

}  // namespace

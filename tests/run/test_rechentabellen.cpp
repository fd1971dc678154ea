// The calculation tables against their own sections, on random lists through the whole run:
// every sum and quotient a table shows is, as text, the value its section prints (the
// sections' steps included), the rows are the values in input order, and a section that fails
// shows no table. Whole reports with tables checked by hand are in tests/faelle/.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "Berichtstest.h"
#include "base/Laufzeitfehler.h"
#include "base/Text.h"

using namespace zv;

namespace {

struct Abschnitt {
    std::vector<std::string> Eigene;   // the section's own lines, title first
    std::vector<std::string> Tabelle;  // the lines after "Rechentabelle"
    bool MitTabelle = false;
};

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    for (std::size_t a = 0, e; (e = text.find("\r\n", a)) != std::string::npos; a = e + 2)
        zeilen.push_back(text.substr(a, e - a));
    return zeilen;
}

bool IstFehlerzeile(const std::string& zeile) {
    for (int art = 0; art <= static_cast<int>(Fehlerart::UngueltigesArgument); ++art)
        if (zeile == Beschreibung(static_cast<Fehlerart>(art))) return true;
    return false;
}

// The report cut at the section titles; before the first title the raw list. A section that
// fails before its title (the contingency coefficient computes first) is its error line alone,
// kept as kOhneTitel.
const std::string kOhneTitel = "(ohne Titel)";

std::map<std::string, Abschnitt> Abschnitte(const std::string& bericht) {
    std::map<std::string, Abschnitt> abschnitte;
    Abschnitt kopf, *aktuell = &kopf;
    for (const std::string& zeile : Zeilen(bericht)) {
        bool titel = false;
        for (const Statistik& s : AlleStatistiken()) titel = titel || zeile == s.Titel;
        const bool blockZuEnde =
            aktuell->MitTabelle && !aktuell->Tabelle.empty() && aktuell->Tabelle.back().empty();
        if (titel) {
            aktuell = &abschnitte[zeile];
        } else if (blockZuEnde && IstFehlerzeile(zeile)) {
            aktuell = &abschnitte[kOhneTitel];
        } else if (zeile == "Rechentabelle") {
            EXPECT_FALSE(aktuell->MitTabelle) << zeile;
            aktuell->MitTabelle = true;
            continue;
        }
        (aktuell->MitTabelle ? aktuell->Tabelle : aktuell->Eigene).push_back(zeile);
    }
    abschnitte[""] = kopf;
    return abschnitte;
}

// The rest of the last line that begins with anfang (formula lines come before the lines
// with the numbers).
std::string Nach(const std::vector<std::string>& zeilen, const std::string& anfang) {
    for (auto z = zeilen.rbegin(); z != zeilen.rend(); ++z)
        if (z->starts_with(anfang)) return z->substr(anfang.size());
    ADD_FAILURE() << "no line " << anfang;
    return "?";
}

// What a calculation comes to: the text after its last " = ", if any.
std::string Ergebnis(const std::string& zeile) {
    const std::size_t p = zeile.rfind(" = ");
    return p == std::string::npos ? zeile : zeile.substr(p + 3);
}

std::vector<std::string> Teile(const std::string& zeile, const std::string& trenner) {
    std::vector<std::string> teile;
    for (std::size_t a = 0;;) {
        const std::size_t e = zeile.find(trenner, a);
        teile.emplace_back(OhneRandLeerzeichen(std::string_view(zeile).substr(a, e - a)));
        if (e == std::string::npos) return teile;
        a = e + trenner.size();
    }
}

// The table's rows and its sum row, split into entries.
struct Tabelle {
    std::vector<std::vector<std::string>> Reihen;
    std::vector<std::string> Summen;
    // Column c (0 is i) of every row.
    std::vector<std::string> Spalte(std::size_t c) const {
        std::vector<std::string> s;
        for (const auto& r : Reihen) s.push_back(c < r.size() ? r[c] : "?");
        return s;
    }
};

Tabelle Zerlegen(const std::vector<std::string>& zeilen, const std::string& trenner) {
    Tabelle t;
    int striche = 0;
    std::size_t spalten = 0;  // of the heading, the line before the first rule
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (!z.empty() && z.find_first_not_of('-') == std::string::npos) {
            if (++striche == 1 && i > 0) spalten = Teile(zeilen[i - 1], trenner).size();
            continue;
        }
        const auto teile = Teile(z.substr(0, z.find(" <- Mitte")), trenner);
        if (teile.size() != spalten) continue;  // a line before or after the table
        if (striche == 1) t.Reihen.push_back(teile);
        if (striche == 2 && t.Summen.empty()) t.Summen = teile;
    }
    return t;
}

struct Fall {
    bool Zweidimensional;
    std::vector<std::string> M1, M2;
    std::string Trenner;  // the output separator
};

using Pruefung = std::function<void(const Abschnitt&, const Tabelle&, const Fall&)>;

std::vector<std::string> Nummern(std::size_t n) {
    std::vector<std::string> s;
    for (std::size_t i = 1; i <= n; ++i) s.push_back(std::to_string(i));
    return s;
}

// Per section: what its table must repeat of it.
const std::map<std::string, Pruefung>& Pruefungen() {
    static const std::map<std::string, Pruefung> p = {
        {"MODUS",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             const std::string groesste = Nach(a.Tabelle, "größte Häufigkeit: ");
             std::vector<std::string> modi;
             long long summe = 0;
             for (const auto& r : t.Reihen) {
                 if (r.at(2) == groesste) modi.push_back(r[1]);
                 summe += std::stoll(r[2]);
             }
             EXPECT_EQ(summe, static_cast<long long>(f.M1.size()));
             EXPECT_EQ(Nach(a.Eigene, "Modus: "), std::stoi(groesste) < 2
                                                      ? "kein Modus gefunden!"
                                                      : Verbinden(modi, f.Trenner));
         }},
        {"MEDIAN",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             EXPECT_EQ(Nach(a.Eigene, "Median: "), Ergebnis(Nach(a.Tabelle, "Median = ")));
             EXPECT_EQ(t.Spalte(0), Nummern(f.M1.size()));
             if (a.Eigene.size() > 3) {  // the sorted list of the steps
                 EXPECT_EQ(Verbinden(t.Spalte(1), f.Trenner), Nach(a.Eigene, "Sort:   "));
             }
         }},
        {"ARITHMETISCHES MITTEL (MITTELWERT)",
         [](const Abschnitt& a, const Tabelle&, const Fall&) {
             EXPECT_EQ(Nach(a.Eigene, "Mittelwert: "), Ergebnis(Nach(a.Tabelle, "xMitt = ")));
         }},
        {"SPANNWEITE",
         [](const Abschnitt& a, const Tabelle&, const Fall&) {
             EXPECT_EQ(Nach(a.Eigene, "SP: "), Ergebnis(Nach(a.Tabelle, "SP = ")));
         }},
        {"DURCHSCHNITTLICHE ABWEICHUNG",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             EXPECT_EQ(Nach(a.Eigene, "sMed: "), Ergebnis(Nach(a.Tabelle, "sMed = ")));
             EXPECT_EQ(Nach(a.Eigene, "sMitt: "), Ergebnis(Nach(a.Tabelle, "sMitt = ")));
             EXPECT_EQ(t.Spalte(1), f.M1);
         }},
        {"MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             EXPECT_EQ(Nach(a.Eigene, "s²x: "), Ergebnis(Nach(a.Tabelle, "s²x = ")));
             EXPECT_EQ(t.Spalte(1), f.M1);
         }},
        {"STANDARDABWEICHNUNG",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             EXPECT_EQ(Nach(a.Eigene, "s: "), Ergebnis(Nach(a.Tabelle, "s = ")));
             EXPECT_EQ(t.Spalte(0), Nummern(f.M1.size()));
         }},
        {"SCHWERPUNKT",
         [](const Abschnitt& a, const Tabelle&, const Fall&) {
             // The result lines are the section's last two; with the steps the sums stand
             // before them.
             const auto& e = a.Eigene;
             EXPECT_EQ(e[e.size() - 3], "xMitt = " + Ergebnis(Nach(a.Tabelle, "xMitt = Sum")));
             EXPECT_EQ(e[e.size() - 2], "yMitt = " + Ergebnis(Nach(a.Tabelle, "yMitt = Sum")));
             if (e.size() > 5) {
                 EXPECT_TRUE(e[4].starts_with("xMitt = " + Nach(a.Tabelle, "Sum(xi) = ") + " / "));
             }
         }},
        {"BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             const std::string zeile = Nach(a.Tabelle, "r = Sxy");
             const bool schritte = a.Eigene.size() > 5;
             EXPECT_EQ(Nach(a.Eigene, schritte ? "r = " : "r: "), Ergebnis(zeile));
             if (schritte) {  // the steps: numerator and roots as in the table
                 EXPECT_EQ(OhneRandLeerzeichen(a.Eigene[6]), Ergebnis(Nach(a.Tabelle, "Sxy = ")));
                 EXPECT_NE(
                     zeile.find(" / (" + std::string(OhneRandLeerzeichen(a.Eigene[8])) + ") = "),
                     std::string::npos)
                     << zeile;
             }
             EXPECT_EQ(t.Spalte(1), f.M1);
             EXPECT_EQ(t.Spalte(2), f.M2);
         }},
        {"RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             if (f.M1.size() < 2) {
                 EXPECT_EQ(a.Tabelle.end(),
                           std::find_if(a.Tabelle.begin(), a.Tabelle.end(),
                                        [](const std::string& z) { return z.starts_with("rSP"); }));
                 return;
             }
             EXPECT_EQ(Nach(a.Eigene, a.Eigene.size() > 3 ? "rSP = " : "rSP: "),
                       Ergebnis(Nach(a.Tabelle, "rSP = 1 - ")));
             if (a.Eigene.size() > 3) {  // the ranks of the steps
                 EXPECT_EQ(Teile(Nach(a.Eigene, "Rix: "), f.Trenner), t.Spalte(3));
                 EXPECT_EQ(Teile(Nach(a.Eigene, "Riy: "), f.Trenner), t.Spalte(4));
             }
         }},
        {"KONTINGENZKOEFFIZIENT",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             const std::string chi2 = Nach(a.Eigene, "chi² = ");
             EXPECT_EQ(chi2, Nach(a.Tabelle, "chi² = "));
             EXPECT_EQ(chi2, t.Summen.back());
             EXPECT_EQ(t.Reihen.size(), 2 * f.M1.size());
             if (a.Eigene.size() > 6) {  // n of the marginal table
                 EXPECT_TRUE(Nach(a.Eigene, "    h.j | ").ends_with(" | n=" + t.Summen[2]));
             }
         }},
        {"LINEARE REGRESSION",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             if (f.M1.size() < 2) return;
             EXPECT_EQ(Ergebnis(Nach(a.Eigene, "^b = ")), Ergebnis(Nach(a.Tabelle, "^b = ")));
             EXPECT_EQ(Ergebnis(Nach(a.Eigene, "^a = ")), Ergebnis(Nach(a.Tabelle, "^a = ")));
             if (a.Eigene.size() > 4) {  // the sums of the steps
                 EXPECT_EQ(Nach(a.Eigene, "Sum(xi * yi) = "), t.Summen[5]);
                 EXPECT_EQ(Nach(a.Eigene, "Sum(xi²) = "), t.Summen[3]);
                 EXPECT_EQ(Nach(a.Eigene, "xMitt = "), Ergebnis(Nach(a.Tabelle, "xMitt = ")));
                 EXPECT_EQ(Nach(a.Eigene, "yMitt = "), Ergebnis(Nach(a.Tabelle, "yMitt = ")));
             }
         }},
        {"DETERMINATIONSKOEFFIZIENT",
         [](const Abschnitt& a, const Tabelle& t, const Fall& f) {
             if (f.M1.size() < 2) return;
             EXPECT_EQ(Ergebnis(Nach(a.Eigene, "R² = ")), Ergebnis(Nach(a.Tabelle, "R² = ")));
             if (a.Eigene.size() > 2) {  // the sums and fitted values of the steps
                 EXPECT_EQ(Nach(a.Eigene, "Sum(^yi²) = "), t.Summen[7]);
                 EXPECT_EQ(Nach(a.Eigene, "Sum(y²) = "), t.Summen[4]);
                 EXPECT_EQ(Teile(Nach(a.Eigene, "^yi| "), f.Trenner), t.Spalte(6));
             }
             EXPECT_EQ(t.Spalte(1), f.M1);
         }},
    };
    return p;
}

// A value as the report prints it in full: whole numbers, or one or two decimals without a
// trailing zero.
std::string Zahl(std::mt19937& z, int art) {
    const int ganz = static_cast<int>(z() % 21) - (art == 2 ? 10 : 0);
    if (art == 0) return std::to_string(ganz);
    const int hundertstel = static_cast<int>(z() % 100);
    if (hundertstel == 0) return std::to_string(ganz);
    std::string s = (ganz == 0 && art == 2 && z() % 2 ? "-" : "") + std::to_string(ganz) + "," +
                    (hundertstel < 10 ? "0" : "") + std::to_string(hundertstel);
    while (s.back() == '0') s.pop_back();
    return s;
}

}  // namespace

TEST(Rechentabellen, SumsAndQuotientsAreTheSectionsValuesOnRandomLists) {
    std::mt19937 zufall(12);
    const char* trenner[] = {",", ";", "\t", "~"};
    int tabellen = 0;
    for (int runde = 0; runde < 400; ++runde) {
        Fall f;
        f.Zweidimensional = runde % 2 == 1;
        const int t = 1 + static_cast<int>(zufall() % 4);
        f.Trenner = std::string(trenner[t - 1]) + " ";
        const std::size_t groessen[] = {1, 2, 3, 4, 5, 8, 13, 40};
        const std::size_t n = groessen[zufall() % 8];
        const int art = static_cast<int>(zufall() % 4);  // 3: one value repeated
        const std::string fest = Zahl(zufall, 0);
        for (std::size_t i = 0; i < n; ++i) {
            f.M1.push_back(art == 3 ? fest : Zahl(zufall, art));
            if (f.Zweidimensional) f.M2.push_back(Zahl(zufall, static_cast<int>(zufall() % 3)));
        }
        // With the comma as separator the decimal separator is the point.
        const char* dezimal = t == 1 ? "." : ",";
        for (auto* liste : {&f.M1, &f.M2})
            for (std::string& w : *liste)
                if (t == 1 && w.find(',') != std::string::npos) w[w.find(',')] = '.';
        const bool detail = zufall() % 2 == 0;
        const std::string nks = std::to_string(1 + zufall() % 5);

        Steuerzustand z = zvtest::Zustand(f.Zweidimensional, t, Verbinden(f.M1, trenner[t - 1]),
                                          Verbinden(f.M2, trenner[t - 1]),
                                          ListenEintraege(f.Zweidimensional), detail, nks);
        z.Rechentabellen = true;
        const std::string bericht = zvtest::Lauf(z, dezimal).txtAusgabe;
        z.Rechentabellen = false;
        const std::string ohne = zvtest::Lauf(z, dezimal).txtAusgabe;

        const auto abschnitte = Abschnitte(bericht);
        std::string ohneTabellen;
        for (const Statistik& s : AlleStatistiken()) {
            if (s.Zweidimensional != f.Zweidimensional) continue;
            const std::string name(s.Titel);
            const auto gefunden = abschnitte.find(name);
            if (gefunden == abschnitte.end()) {  // failed before its title
                ASSERT_EQ(s.Text, "Kontingenzkoeffizient") << bericht;
                const auto fehler = abschnitte.find(kOhneTitel);
                if (fehler != abschnitte.end())
                    for (const std::string& zeile : fehler->second.Eigene)
                        ohneTabellen += zeile + "\r\n";
                continue;
            }
            const Abschnitt& a = gefunden->second;
            const bool gescheitert = std::any_of(a.Eigene.begin(), a.Eigene.end(), IstFehlerzeile);
            const bool hatTabelle = s.Text != "Randhäufigkeiten" &&
                                    s.Text != "Bedingte Häufigkeiten" &&
                                    s.Text != "Unabhängigkeitsquotienten";
            SCOPED_TRACE(name + "\n" + bericht);
            // A failed section has no table; every other section that has one shows it.
            EXPECT_EQ(a.MitTabelle, hatTabelle && !gescheitert);
            if (a.MitTabelle) {
                ++tabellen;
                // The block ends in its empty line, or in the error that ended the table.
                EXPECT_TRUE(a.Tabelle.back().empty() || IstFehlerzeile(a.Tabelle.back()));
                if (a.Tabelle.back().empty())
                    Pruefungen().at(name)(a, Zerlegen(a.Tabelle, f.Trenner), f);
            }
            // Without its table the section is as it is without the switch.
            for (const std::string& zeile : a.Eigene) ohneTabellen += zeile + "\r\n";
        }
        const auto kopf = abschnitte.at("");
        std::string urliste;
        for (const std::string& zeile : kopf.Eigene) urliste += zeile + "\r\n";
        EXPECT_EQ(urliste + ohneTabellen, ohne);
    }
    EXPECT_GT(tabellen, 1500);
}

// The calculation tables as a learner reads them, from the printed report alone. Every line
// "name = formula = numbers = ... = result" and every column under a formula heading (or a
// heading defined above the table) is recomputed from the printed numbers and the quantities
// printed before it, every sum row from the column above it; a quantity is printed alike
// wherever it appears, and the numbers of a column stand at one decimal separator. A printed
// number may differ from the recomputed one by the rounding of its last printed digit: half a
// unit of the report's decimal places, or a relative 1E-12 for a number printed in full.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <regex>

#include "Berichtstest.h"
#include "base/Zahltext.h"

namespace {

using Werte = std::map<std::string, double>;
constexpr auto npos = std::string::npos;

std::vector<std::string> Zerlegen(const std::string& text, const std::string& trenner) {
    std::vector<std::string> teile;
    for (std::size_t a = 0, e = 0; e != npos; a = e + trenner.size())
        teile.push_back(text.substr(a, (e = text.find(trenner, a)) - a));
    return teile;
}

// The entries of a table line, apart where two blanks or more stand, each with where its
// decimal separator stands (or would stand).
std::vector<std::pair<std::string, std::size_t>> Eintraege(const std::string& z) {
    std::vector<std::pair<std::string, std::size_t>> e;
    for (std::size_t a = z.find_first_not_of(' '), b = 0; a != npos;
         a = z.find_first_not_of(' ', b)) {
        b = std::min(z.find("  ", a), z.size());
        e.emplace_back(z.substr(a, b - a), std::min(z.find('.', a), b));
    }
    return e;
}

// A formula of numbers (with a decimal point) and known names with + - * / ( ) |..| ², Sqrt(..),
// exp(..) and ln(..); NaN otherwise.
struct Formel {
    const std::string& t;
    const Werte& w;
    std::size_t p = 0;
    double groesste = 0;  // the largest number in it: a double keeps it to a relative 1E-16

    bool Ist(std::string_view z) {
        while (p < t.size() && t[p] == ' ') ++p;
        return t.compare(p, z.size(), z) == 0 && (p += z.size());
    }
    double Bis(const char* zu) {
        const double a = Kette(false);
        return Ist(zu) ? a : NAN;
    }
    double Kette(bool mal) {  // terms joined by + and -, or with mal factors by * and /
        for (double a = mal ? Faktor() : Kette(true);;)
            if (const int op = Ist(mal ? "*" : "+") ? 1 : Ist(mal ? "/" : "-") ? -1 : 0; op)
                a = mal ? a * std::pow(Faktor(), op) : a + op * Kette(true);
            else
                return a;
    }
    double Faktor() {
        std::string name;  // the longest known name that starts here
        for (Ist(""); const auto& e : w)
            if (t.compare(p, e.first.size(), e.first) == 0 && e.first.size() > name.size())
                name = e.first;
        char* ende = nullptr;
        double a = !name.empty()                                    ? (p += name.size(), w.at(name))
                   : Ist("-")                                       ? -Faktor()
                   : Ist("Sqrt(")                                   ? std::sqrt(Bis(")"))
                   : Ist("exp(")                                    ? std::exp(Bis(")"))
                   : Ist("ln(")                                     ? std::log(Bis(")"))
                   : Ist("(")                                       ? Bis(")")
                   : Ist("|")                                       ? std::abs(Bis("|"))
                   : std::isdigit(static_cast<unsigned char>(t[p])) ? std::strtod(&t[p], &ende)
                                                                    : NAN;
        if (ende) p = ende - t.data();
        groesste = std::max(groesste, std::abs(a));
        while (Ist("²")) a *= a;
        return a;
    }
};

double Wert(const std::string& text, const Werte& w = {}, double* groesste = nullptr) {
    Formel f{text, w};
    const double x = f.Kette(false);
    if (groesste) *groesste = f.groesste;
    return f.p == text.size() ? x : NAN;
}

struct Pruefung {
    double halb;  // half a unit of the report's decimal places
    Werte werte;  // the quantities of the report but n, by name
    int gerechnet = 0;

    void Gleich(double gedruckt, double berechnet, double groesste, const std::string& wo) {
        EXPECT_LE(std::abs(gedruckt - berechnet), halb + 1e-12 * groesste) << wo;
        ++gerechnet;
    }
    // Parts joined by ", ", each "name = ... = result": every part that can be computed gives
    // the next one, and the name takes the result, the same wherever it is printed. "name =
    // formula" of unknown names defines the column of that name.
    void Zeile(const std::string& zeile, Werte& w, std::map<std::string, std::string>& formeln) {
        for (const std::string& teil : Zerlegen(zeile, ", ")) {
            const auto t = Zerlegen(teil.substr(teil.rfind("Probe: ", 0) ? 0 : 7), " = ");
            double vorher = NAN, g = 0, h = 0;
            for (const std::string& s : t)
                if (const double x = Wert(s, w, &h); !std::isnan(x)) {
                    if (!std::isnan(vorher)) Gleich(x, vorher, std::max(g, h), zeile);
                    vorher = x, g = h;
                }
            const double x = Wert(t.back(), w);
            if (t.size() == 2 && std::isnan(x)) formeln[t[0]] = t[1];
            if (t.size() < 2 || std::isnan(x)) continue;
            EXPECT_TRUE(t[0] == "n" || werte.emplace(t[0], x).first->second == x) << zeile;
            w[t[0]] = x;
        }
    }
    // The lines before the heading, the rows and the sum row, the lines after them.
    void Tabelle(const std::vector<std::string>& b) {
        Werte w = werte;
        std::map<std::string, std::string> formeln;
        const auto strich = [&](std::size_t i) { return i < b.size() && !b[i].rfind("--", 0); };
        std::size_t r = 1;
        while (r < b.size() && !strich(r + 1)) Zeile(b[r++], w, formeln);
        const auto kopf = Eintraege(r < b.size() ? b[r] : "");  // the headings
        std::vector<double> summen(kopf.size()), betraege(kopf.size());
        std::vector<std::size_t> kommas(kopf.size(), npos);
        for (r += 2; r < b.size() && b[r].rfind("Summen", 0) && b[r].find_first_of("=:") == npos;
             ++r) {
            const auto e = Eintraege(b[r].substr(0, b[r].find(" <-")));  // without a mark
            const bool summe = !b[r].rfind("Summe", 0);
            EXPECT_TRUE(summe || strich(r) || e.size() == kopf.size()) << b[r];
            Werte reihe = w;  // the formula columns with their recomputed values
            for (std::size_t j = 0; j < std::min(e.size(), kopf.size()) && !strich(r); ++j) {
                const auto& [c, komma] = e[j];
                const std::size_t i =  // a sum stands in the column of its decimal separator
                    summe ? std::find(kommas.begin(), kommas.end(), komma) - kommas.begin() : j;
                double x = Wert(c), g = 0;
                if (std::isnan(x)) continue;
                EXPECT_EQ(komma, summe || kommas[i] != npos ? kommas.at(i) : kommas[i] = komma);
                const std::string& name = kopf[i].first;
                if (summe) {
                    Gleich(x, summen[i], betraege[i], b[r]), w["Sum(" + name + ")"] = x;
                    continue;
                }
                const double f = Wert(formeln.count(name) ? formeln[name] : name, reihe, &g);
                if (!std::isnan(f)) Gleich(x, f, g, b[r]), x = f;
                reihe[name] = x, summen[i] += x, betraege[i] += std::abs(x);
            }
        }
        for (; r < b.size(); ++r) Zeile(b[r], w, formeln);
    }
};

TEST(Rechentabellen, JedeZeileRechnetSichAusDemGedrucktenNach) {
    std::mt19937 zufall(18);
    int gerechnet = 0;
    for (int fall = 0; fall < 240; ++fall) {
        const bool zwei = fall % 2, de = fall % 3;
        const int n = 1 + zufall() % 25, nks = 1 + zufall() % 5, art = zufall() % 5;
        const int trenner = de ? fall % 4 / 2 * 2 : 1;  // blank or semicolon; comma
        std::string listen[2];
        // Ties and negatives, quarters, thirds with an offset, small values, frequencies.
        for (int i = 0; i < 2 * n; ++i) {
            double x = static_cast<int>(zufall() % 21) - (art == 4 ? 0 : 10);
            x = art == 1 ? x / 4 : art == 2 ? x / 3 + 1000 : art == 3 ? std::ldexp(x, -7) : x;
            listen[i / n] +=
                (i % n ? std::string(1, " ,;"[trenner]) : "") + zv::VollText(x, de ? "," : ".");
        }
        zv::Steuerzustand z =
            zvtest::Zustand(zwei, trenner, listen[0], listen[1], zv::ListenEintraege(zwei),
                            fall % 4 == 1, std::to_string(nks));
        z.Rechentabellen = true;
        Pruefung p{0.5 * std::pow(10.0, -nks) * (1 + 1e-9), {}, 0};
        std::vector<std::string> block;
        // German decimal commas as points, the same numbers for the formulas.
        const std::string bericht = zvtest::Lauf(z, de ? "," : ".").txtAusgabe;
        for (const std::string& zeile :
             Zerlegen(std::regex_replace(bericht, std::regex(",(?=[0-9])"), "."), "\r\n")) {
            if (!block.empty() && zeile.empty()) p.Tabelle(block);
            if (zeile.empty() || zeile == "Rechentabelle") block.clear();
            if (zeile == "Rechentabelle" || !block.empty()) block.push_back(zeile);
        }
        gerechnet += p.gerechnet;
    }
    EXPECT_GT(gerechnet, 10000);
}

}  // namespace

// The calculation tables as a learner reads them, from the printed report alone: every entry
// under a formula heading (or a heading defined above the table), every sum and every step of
// a calculation line recomputed from the printed numbers, and every quantity printed alike in
// all tables of a report. A printed number counts as exact, except the row entries of a table
// that says it rounds them (half a unit of the report's decimal places each); a result may
// differ from the recomputed value by half a unit of the report's decimal places.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <utility>

#include "Berichtstest.h"
#include "base/Zahltext.h"

namespace {

using Werte = std::map<std::string, double>;

constexpr std::string_view kGerundet =
    "Summen und Quotienten sind aus den ungerundeten Werten gebildet.";

// A formula of numbers and names with + - * / ( ) |..| ² and Sqrt(..); NaN for anything else.
struct Formel {
    std::string_view t;
    const Werte& namen;
    char dez;
    double groesste = 0;  // the largest number in it
    std::size_t p = 0;

    bool Ist(std::string_view z) {
        while (p < t.size() && t[p] == ' ') ++p;
        return t.substr(p, z.size()) == z && (p += z.size());
    }
    double Kette(int stufe) {  // terms joined by + and -, or factors by * and /
        double a = stufe ? Einfach() : Kette(1);
        for (int op; (op = Ist(stufe ? "*" : "+") ? 1 : Ist(stufe ? "/" : "-") ? 2 : 0);) {
            const double b = stufe ? Einfach() : Kette(1);
            a = stufe ? (op == 1 ? a * b : a / b) : (op == 1 ? a + b : a - b);
        }
        return a;
    }
    double Einfach() {
        const int art = Ist("-") ? 4 : Ist("Sqrt(") ? 1 : Ist("(") ? 2 : Ist("|") ? 3 : 0;
        double a = art == 4 ? -Einfach() : art ? Kette(0) : NAN;
        if (art > 0 && art < 4 && !Ist(art == 3 ? "|" : ")")) return NAN;
        if (art == 1 || art == 3) a = art == 1 ? std::sqrt(a) : std::abs(a);
        const std::size_t anfang = p;
        while (!art && p < t.size() &&
               (std::isalnum(static_cast<unsigned char>(t[p])) || std::strchr("^~.,", t[p]) ||
                (std::strchr("+-", t[p]) && p > anfang && t[p - 1] == 'E')))
            ++p;
        if (std::string w(t.substr(anfang, p - anfang)); !art && namen.count(w)) {
            a = namen.at(w);
        } else if (!art && !w.empty() && std::isdigit(static_cast<unsigned char>(w[0]))) {
            std::replace(w.begin(), w.end(), dez, '.');
            char* ende = nullptr;
            a = std::strtod(w.c_str(), &ende);
            if (*ende) a = NAN;
        }
        groesste = std::max(groesste, std::abs(a));
        while (Ist("²") || Ist("\x01")) a *= a;
        return a;
    }
};

std::vector<std::string> Zerlegen(const std::string& text, const std::string& trenner) {
    std::vector<std::string> teile;
    for (std::size_t a = 0, e = 0; e != std::string::npos; a = e + trenner.size())
        teile.push_back(text.substr(a, (e = text.find(trenner, a)) - a));
    return teile;
}

struct Pruefung {
    char dez;
    double halb;                               // half a unit of the report's decimal places
    std::map<std::string, std::string> namen;  // a quantity's number as the tables print it
    int gerechnet = 0;

    std::optional<double> Rechnen(std::string_view text, const Werte& w, double* groesste = {}) {
        Formel f{text, w, dez, 0, 0};
        const double x = f.Kette(0);
        if (groesste) *groesste = f.groesste;
        return f.p == text.size() && !std::isnan(x) ? std::optional(x) : std::nullopt;
    }
    void Vergleichen(double berechnet, double gedruckt, double spielraum, const std::string& wo) {
        EXPECT_LE(std::abs(berechnet - gedruckt), halb + spielraum) << wo;
        ++gerechnet;
    }
    void Name(const std::string& name, const std::string& zahl) {
        if (name != "n") {
            EXPECT_EQ(namen.emplace(name, zahl).first->second, zahl) << name;
        }
    }
    // "name = formula = numbers = ... = result": each calculation gives the one after it. A
    // line "name = formula" before the heading defines the column of that name.
    void Zeile(const std::string& zeile, Werte& konstanten,
               std::map<std::string, std::string>& formeln) {
        const std::vector<std::string> t = Zerlegen(zeile, " = ");
        double g = 0;
        if (const auto x = Rechnen(t.back(), {}); t.size() > 1 && x)
            Name(t[0], t.back()), konstanten[t[0]] = *x;
        else if (t.size() == 2)
            formeln[t[0]] = t[1];
        for (std::size_t i = 1; i + 1 < t.size(); ++i)
            if (auto a = Rechnen(t[i], {}, &g), b = Rechnen(t[i + 1], {}); a && b)
                Vergleichen(*a, *b, 1e-12 * g, zeile);
    }
    void Tabelle(const std::vector<std::string>& block) {
        // block[0] is "Rechentabelle"; the heading stands over the first rule.
        std::size_t kopf = 1, r = 1, n = 0;
        while (kopf + 1 < block.size() && block[kopf + 1].find_first_not_of('-') != block[0].npos)
            ++kopf;
        Werte konstanten;
        std::map<std::string, std::string> formeln;
        for (; r < (kopf + 1 < block.size() ? kopf : block.size()); ++r)
            Zeile(block[r], konstanten, formeln);
        if (r == block.size()) return;
        // Each heading ends where its column does (² as one character), two blanks after the
        // one before; a cell's number stands with its decimal separator where the others do.
        std::string k = block[kopf];
        for (std::size_t q; (q = k.find("²")) != k.npos;) k.replace(q, 2, "\x01");
        std::vector<std::pair<std::size_t, std::string>> spalten;  // end, heading
        for (std::size_t a = k.find_first_not_of(' '), e = 0; a != k.npos;
             a = k.find_first_not_of(' ', e)) {
            e = std::min(k.find("  ", a), k.size());
            spalten.emplace_back(e, k.substr(a, e - a));
        }
        const bool gerundet = std::count(block.begin(), block.end(), std::string(kGerundet));
        std::vector<double> summen(spalten.size()), betraege(spalten.size());
        std::vector<std::size_t> kommas(spalten.size(), k.npos);
        // A row's numbers by name, or with summe the sums of the entries above.
        const auto zellen = [&](const std::string& z, bool summe) {
            Werte w = konstanten;
            for (std::size_t i = 0, a = 0; i < spalten.size(); a = spalten[i++].first) {
                std::string c = a < z.size() ? z.substr(a, spalten[i].first - a) : "";
                const std::size_t vorne = std::min(c.find_first_not_of(' '), c.size());
                c = c.substr(vorne, c.find_last_not_of(' ') + 1 - vorne);
                const std::size_t komma = a + vorne + std::min(c.find(dez), c.size());
                const auto x = Rechnen(c, {});
                if (x && summe) {
                    Vergleichen(summen[i], *x, n * gerundet * halb + 1e-12 * betraege[i], z);
                    Name("Sum(" + spalten[i].second + ")", c);
                } else if (x) {
                    w[spalten[i].second] = *x;
                    summen[i] += *x, betraege[i] += std::abs(*x);
                    EXPECT_EQ(komma, kommas[i] == k.npos ? kommas[i] = komma : kommas[i]) << z;
                }
            }
            return w;
        };
        for (r = kopf + 2; r < block.size() && block[r][0] != '-' && block[r].rfind("Summ", 0) &&
                           block[r].find_first_of("=:") == k.npos;
             ++r, ++n) {
            // Without rounded entries each formula column is what its formula gives.
            Werte w = zellen(block[r], false);
            for (const auto& [ende, name] : spalten) {
                const bool formel = formeln.count(name) || name.find_first_of(" \x01|") != k.npos;
                double g = 0;
                const auto b = Rechnen(formeln.count(name) ? formeln[name] : name, w, &g);
                if (formel && b && !gerundet && w.count(name))
                    Vergleichen(*b, w[name], 1e-12 * g, block[r]);
            }
        }
        if (r + 1 < block.size() && block[r][0] == '-') zellen(block[++r], true);
        for (; r < block.size(); ++r) Zeile(block[r], konstanten, formeln);
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
        for (std::string& liste : listen)
            for (int i = 0; i < n; ++i) {
                double x = static_cast<int>(zufall() % 21) - (art == 4 ? 0 : 10);
                x = art == 1 ? x / 4 : art == 2 ? x / 3 + 1000 : art == 3 ? std::ldexp(x, -7) : x;
                liste +=
                    (i ? std::string(1, " ,;"[trenner]) : "") + zv::VollText(x, de ? "," : ".");
            }
        zv::Steuerzustand z =
            zvtest::Zustand(zwei, trenner, listen[0], listen[1], zv::ListenEintraege(zwei),
                            fall % 4 == 1, std::to_string(nks));
        z.Rechentabellen = true;
        Pruefung p{de ? ',' : '.', 0.5 * std::pow(10.0, -nks) * (1 + 1e-9), {}, 0};
        std::vector<std::string> block;
        for (const std::string& zeile :
             Zerlegen(zvtest::Lauf(z, de ? "," : ".").txtAusgabe, "\r\n")) {
            if (!block.empty() && zeile.empty()) p.Tabelle(block);
            if (zeile.empty() || zeile == "Rechentabelle") block.clear();
            if (zeile == "Rechentabelle" || !block.empty()) block.push_back(zeile);
        }
        gerechnet += p.gerechnet;
    }
    EXPECT_GT(gerechnet, 10000);
}

}  // namespace

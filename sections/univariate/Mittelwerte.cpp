// Report sections "Geometrisches Mittel" and "Harmonisches Mittel": the two means besides the
// arithmetic one, each with the drawn formula and the learner's numbers put in on request and
// a table of the logarithms or the reciprocals it is computed from.

#include <cmath>
#include <string>
#include <string_view>

#include "base/Laufzeitfehler.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "engine/Kennwerte.h"
#include "sections/Abschnitte.h"
#include "sections/Formelzeilen.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

// Values are put into a drawn formula up to this many and this long; a longer list shows the
// sum the mean is computed from instead.
constexpr std::size_t kHoechstensEingesetzt = 8;
constexpr std::size_t kHoechstensZeichen = 70;

std::string Anzahl(const Laufkontext& k) {
    return GanzzahlText(static_cast<long long>(k.M1.size()));
}

// The values in full, each behind vorne and joined with verbinder; empty when the list is too
// long to put in.
std::string Eingesetzte(const Laufkontext& k, std::string_view vorne, std::string_view verbinder) {
    if (k.M1.size() > kHoechstensEingesetzt) return {};
    std::string text;
    for (double x : k.M1) {
        if (!text.empty()) text += verbinder;
        text += std::string(vorne) + Eingesetzt(k.Voll(x));
    }
    return Zeichenzahl(text) <= kHoechstensZeichen ? text : std::string();
}

// "x3 = -2": the value at position i (from 0).
std::string Stelle(const Laufkontext& k, std::size_t i) {
    return "x" + GanzzahlText(static_cast<long long>(i + 1)) + " = " + k.Voll(k.M1[i]);
}

// Sum(ln(xi)) of values > 0. Each logarithm lies between -745 and 710, so the sum of up to
// 32767 of them is a modest number even where the product is far outside the double range;
// added in long double, it keeps the 15 digits it is printed with.
double Logarithmensumme(const std::vector<double>& arr) {
    long double summe = 0;
    for (double x : arr) summe += std::log(x);
    return static_cast<double>(summe);
}

// Sum(1/xi) of values != 0, and whether it and every 1/xi is a double: reciprocals of values
// below about 5,6E-309 in magnitude are not, and neither is the sum of a few near 1E-308.
struct Kehrwertsumme {
    double Summe = 0;
    bool Darstellbar = true;
};
Kehrwertsumme KehrwerteAddieren(const std::vector<double>& arr) {
    long double summe = 0;
    Kehrwertsumme s;
    for (double x : arr) {
        if (!std::isfinite(1.0 / x)) s.Darstellbar = false;
        summe += 1.0L / x;
    }
    s.Summe = static_cast<double>(summe);
    if (!std::isfinite(s.Summe)) s.Darstellbar = false;
    return s;
}

}  // namespace

}  // namespace zv

void zv::AusgabeGeometrischesMittel(Laufkontext& k) {
    k.Add(k.Titel);
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        if (k.M1[i] > 0) continue;
        k.Add("Das geometrische Mittel ist nur für Werte größer als 0 definiert.");
        k.Add("Der erste Wert, der nicht größer als 0 ist: " + Stelle(k, i));
        k.Add("");
        return;
    }
    const double xGeo = GeometrischesMittel(k.M1);
    const std::string ergebnis = k.Gerundet(xGeo);
    // The steps and the table show the sum of the logarithms; the result line alone does not.
    const bool mitSumme = k.Detail || k.Rechentabellen;
    const std::string summe = mitSumme ? k.Voll(Logarithmensumme(k.M1)) : std::string();
    // The product is never formed: its root is exp of the mean logarithm.
    const std::string logarithmen = "xGeo = exp(Sum(ln(xi)) / n) = exp(" + Eingesetzt(summe) +
                                    " / " + Anzahl(k) + ") = " + ergebnis;
    if (k.Detail) {
        k.Add("");
        WurzelZeilen(k, "xGeo = ", "n", "x1 * x2 * ... * xn", " = exp(Sum(ln(xi)) / n)");
        k.Add("");
        const std::string produkt = Eingesetzte(k, "", " * ");
        if (produkt.empty())
            k.Add(logarithmen);
        else
            WurzelZeilen(k, "xGeo = ", Anzahl(k), produkt, " = " + ergebnis);
        k.Add("");
    }
    k.Add("xGeo: " + ergebnis);
    k.Add("");
    if (!k.Rechentabellen) return;
    Rechentabelle t;
    t.Kopf({"i", "xi", "ln(xi)"}, k.M1.size());
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        t.Nummer(i) << k.TabellenVoll(k.M1[i]);
        t.Gerundet(k, std::log(k.M1[i]));
    }
    t.Summen({"", summe});
    t.Nachspann = {"n = " + Anzahl(k), logarithmen};
    t.Schreiben(k);
}

void zv::AusgabeHarmonischesMittel(Laufkontext& k) {
    k.Add(k.Titel);
    bool negativ = false;
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        negativ = negativ || k.M1[i] < 0;
        if (k.M1[i] != 0) continue;
        k.Add("Das harmonische Mittel ist für den Wert 0 nicht definiert: " + Stelle(k, i) + ".");
        k.Add("");
        return;
    }
    double xHarm = 0;
    try {
        xHarm = HarmonischesMittel(k.M1);
    } catch (const Laufzeitfehler& fehler) {
        if (fehler.Art() != Fehlerart::DivisionDurchNull) throw;
        k.Add("Das harmonische Mittel ist hier nicht definiert: Sum(1/xi) = 0.");
        k.Add("");
        return;
    }
    const std::string ergebnis = k.Gerundet(xHarm), n = Anzahl(k);
    const Kehrwertsumme kehrwerte =
        k.Detail || k.Rechentabellen ? KehrwerteAddieren(k.M1) : Kehrwertsumme{};
    const std::string summe = kehrwerte.Darstellbar ? k.Voll(kehrwerte.Summe) : std::string();
    const char* ausserhalb = "Die Kehrwerte 1/xi liegen außerhalb des Zahlenbereichs.";
    if (k.Detail) {
        k.Add("");
        BruchZeilen(k, "xHarm = ", "n", "Sum(1/xi)");
        k.Add("");
        const std::string eingesetzt = Eingesetzte(k, "1/", " + ");
        if (!eingesetzt.empty()) {
            BruchZeilen(k, "xHarm = ", n, eingesetzt, " = " + ergebnis);
        } else if (kehrwerte.Darstellbar) {
            k.Add("Sum(1/xi) = " + summe);
            k.Add("");
            BruchZeilen(k, "xHarm = ", n, summe, " = " + ergebnis);
        } else {
            k.Add(ausserhalb);
            k.Add("xHarm ist mit verkleinerten Kehrwerten berechnet.");
        }
        k.Add("");
    }
    k.Add("xHarm: " + ergebnis);
    if (negativ)
        k.Add("Hinweis: Lehrbücher definieren das harmonische Mittel nur für Werte größer als 0.");
    k.Add("");
    if (!k.Rechentabellen) return;
    if (!kehrwerte.Darstellbar) {
        k.Add(std::string("Keine Rechentabelle: ") + ausserhalb);
        k.Add("");
        return;
    }
    Rechentabelle t;
    t.Kopf({"i", "xi", "1/xi"}, k.M1.size());
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        t.Nummer(i) << k.TabellenVoll(k.M1[i]);
        t.Gerundet(k, 1.0 / k.M1[i]);
    }
    t.Summen({"", summe});
    t.Nachspann = {"n = " + n,
                   "xHarm = n / Sum(1/xi) = " + n + " / " + Eingesetzt(summe) + " = " + ergebnis};
    t.Schreiben(k);
}

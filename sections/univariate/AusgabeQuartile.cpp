// "Quartile": Q1, the median and Q3 under the chosen definition, the interquartile range, the
// five-number summary, the fences and the values outside them; with the steps, where in the
// sorted list each quartile is read.

#include <string>
#include <vector>

#include "base/Zahltext.h"
#include "engine/Quartile.h"
#include "sections/Abschnitte.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

std::string Ganzzahl(std::size_t n) {
    return GanzzahlText(static_cast<long long>(n));
}

std::string Position(std::size_t i) {
    return "x(" + Ganzzahl(i) + ")";
}

// "x(2) = 5" for one value, "(x(2) + x(3)) / 2 = (5 + 7) / 2 = 6" for the middle of two.
std::string Ablesung(const Laufkontext& k, const std::vector<double>& s, const Quartilsstelle& q) {
    if (q.Von == q.Bis) return Position(q.Von) + " = " + k.Voll(q.Wert);
    return "(" + Position(q.Von) + " + " + Position(q.Bis) + ") / 2 = (" +
           Eingesetzt(k.Voll(s[q.Von - 1])) + " + " + Eingesetzt(k.Voll(s[q.Bis - 1])) +
           ") / 2 = " + k.Voll(q.Wert);
}

// "x(1) bis x(3)", or the one position of a half of one value.
std::string Bereich(std::size_t von, std::size_t bis) {
    return von == bis ? Position(von) : Position(von) + " bis " + Position(bis);
}

// p = zaehler / 4 as n * p reads it: "0,25", "0,5" or "0,75".
std::string Anteil(const Laufkontext& k, std::size_t zaehler) {
    return k.Voll(static_cast<double>(zaehler) / 4.0);
}

// The line that names the definition; the steps spell out its rule.
std::string Definition(const Laufkontext& k, Quartilsmethode methode) {
    if (methode == Quartilsmethode::Haelften)
        return "Definition: Hälftenmethode (Mediane der unteren und der oberen Hälfte)";
    return "Definition: Standarddefinition (Stellen n*" + Anteil(k, 1) + " und n*" + Anteil(k, 3) +
           ")";
}

// Where the quartiles are read: the halves, or n*p for each p; then each quartile's value.
std::vector<std::string> Ablesungen(const Laufkontext& k, const Quartilsteile& q) {
    const std::vector<double>& s = q.Sortiert;
    const std::size_t n = s.size();
    std::vector<std::string> zeilen;
    if (n == 1) {
        zeilen.push_back("Q1, Q2 und Q3 sind der einzige Wert x(1) = " + k.Voll(s[0]));
        return zeilen;
    }
    if (q.Methode == Quartilsmethode::Haelften) {
        const std::size_t haelfte = n / 2;
        zeilen.push_back("untere Hälfte: " + Bereich(1, haelfte) +
                         ", obere Hälfte: " + Bereich(n - haelfte + 1, n));
        if (n % 2 == 1)
            zeilen.push_back("der mittlere Wert " + Position(haelfte + 1) +
                             " gehört zu keiner Hälfte");
        zeilen.push_back("Q1 = Median der unteren Hälfte = " + Ablesung(k, s, q.Q1));
        zeilen.push_back("Q2 = Median aller Werte = " + Ablesung(k, s, q.Q2));
        zeilen.push_back("Q3 = Median der oberen Hälfte = " + Ablesung(k, s, q.Q3));
        return zeilen;
    }
    const Quartilsstelle* stellen[] = {&q.Q1, &q.Q2, &q.Q3};
    for (std::size_t z = 1; z <= 3; ++z) {
        // n * p is a multiple of 0,25 and exact in a double.
        zeilen.push_back("Q" + Ganzzahl(z) + ": n * " + Anteil(k, z) + " = " +
                         k.Voll(static_cast<double>(n * z) / 4.0) +
                         ((n * z) % 4 == 0 ? " ganzzahlig: " : " nicht ganzzahlig, aufgerundet: ") +
                         Ablesung(k, s, *stellen[z - 1]));
    }
    return zeilen;
}

// The sorted list with the positions each quartile is read at and the values outside the
// fences marked, n, and each quartile taken from the marked positions.
void Quartilstabelle(Laufkontext& k, const Quartilsteile& q) {
    const std::vector<double>& s = q.Sortiert;
    Rechentabelle t;
    t.Kopf({"i", "x(i)"}, s.size());
    const std::pair<const Quartilsstelle*, const char*> marken[] = {
        {&q.Q1, "Q1"}, {&q.Q2, "Q2"}, {&q.Q3, "Q3"}};
    for (std::size_t i = 1; i <= s.size(); ++i) {
        t.Nummer(i - 1) << k.TabellenVoll(s[i - 1]);
        std::string marke;
        for (const auto& [stelle, name] : marken) {
            if (i < stelle->Von || i > stelle->Bis) continue;
            marke += marke.empty() ? " <- " : ", ";
            marke += name;
        }
        if (s[i - 1] < q.UntererZaun || s[i - 1] > q.ObererZaun)
            marke += marke.empty() ? " <- außerhalb der Zäune" : ", außerhalb der Zäune";
        if (!marke.empty()) t.Marke(std::move(marke));
    }
    t.Nachspann = {"n = " + Ganzzahl(s.size())};
    const std::vector<std::string> ablesungen = Ablesungen(k, q);
    t.Nachspann.insert(t.Nachspann.end(), ablesungen.begin(), ablesungen.end());
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeQuartile(Laufkontext& k) {
    k.Add(k.Titel);
    const Quartilsteile q = QuartileBerechnen(k.Stat, k.M1, k.Quartile);
    const std::vector<double>& s = q.Sortiert;
    const std::string q1 = k.Voll(q.Q1.Wert), q3 = k.Voll(q.Q3.Wert);
    const std::string faktor = k.Voll(1.5);

    // Every line is made before the first is added: a rounding that fails (negative places)
    // leaves the title and the error line alone.
    std::vector<std::string> zeilen = {Definition(k, q.Methode)};
    if (k.Detail) {
        std::vector<std::string> texte;
        texte.reserve(s.size());
        // Through the run's store of number texts: the sorted list repeats the values of
        // the other sorted lists and tables of the run, whose texts are made only once.
        for (double x : s) texte.emplace_back(k.TabellenVoll(x));
        zeilen.push_back("Sort:   " + k.Verbunden(texte));
        zeilen.push_back("n = " + Ganzzahl(s.size()));
        const std::vector<std::string> ablesungen = Ablesungen(k, q);
        zeilen.insert(zeilen.end(), ablesungen.begin(), ablesungen.end());
        zeilen.push_back("IQR = Q3 - Q1 = " + Eingesetzt(q3) + " - " + Eingesetzt(q1) + " = " +
                         k.Voll(q.IQR));
        const std::string iqr = Eingesetzt(k.Voll(q.IQR));
        zeilen.push_back("Q1 - " + faktor + " * IQR = " + Eingesetzt(q1) + " - " + faktor + " * " +
                         iqr + " = " + k.Gerundet(q.UntererZaun));
        zeilen.push_back("Q3 + " + faktor + " * IQR = " + Eingesetzt(q3) + " + " + faktor + " * " +
                         iqr + " = " + k.Gerundet(q.ObererZaun));
        zeilen.push_back("");
    }
    zeilen.push_back("Q1: " + q1);
    zeilen.push_back("Q2 (Median): " + k.Voll(q.Q2.Wert));
    zeilen.push_back("Q3: " + q3);
    zeilen.push_back("IQR: " + k.Gerundet(q.IQR));
    zeilen.push_back("Minimum, Q1, Median, Q3, Maximum: " +
                     k.Verbunden({k.Voll(s.front()), q1, k.Voll(q.Q2.Wert), q3, k.Voll(s.back())}));
    zeilen.push_back("Unterer Zaun (Q1 - " + faktor + " * IQR): " + k.Gerundet(q.UntererZaun));
    zeilen.push_back("Oberer Zaun (Q3 + " + faktor + " * IQR): " + k.Gerundet(q.ObererZaun));
    zeilen.push_back("Whisker (kleinster, größter Wert in den Zäunen): " +
                     k.Verbunden({k.Voll(q.UntererWhisker), k.Voll(q.ObererWhisker)}));
    std::vector<std::string> draussen;
    draussen.reserve(q.Ausreisser.size());
    for (double x : q.Ausreisser) draussen.push_back(k.Voll(x));
    zeilen.push_back("Werte außerhalb der Zäune: " +
                     (draussen.empty() ? std::string("keine") : k.Verbunden(draussen)));
    if (q.AndereMethodeWeichtAb)
        zeilen.push_back(std::string(q.Methode == Quartilsmethode::Haelften
                                         ? "Die Standarddefinition"
                                         : "Die Hälftenmethode") +
                         " ergibt andere Quartile: Q1 = " + k.Voll(q.AndereQ1.Wert) +
                         "; Q3 = " + k.Voll(q.AndereQ3.Wert));

    for (const std::string& zeile : zeilen) k.Add(zeile);
    k.Add("");
    if (k.Rechentabellen) Quartilstabelle(k, q);
}

// Report section "Spearmen-Rangkorrelationskoeffizient": ranks both lists (largest value
// rank 1, ties their mean rank) and takes rSP from the engine.

#include <algorithm>
#include <string>

#include "base/Spalten.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "engine/Rangziffern.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"
#include "sections/correlation/Paare.h"

namespace zv {

namespace {

// The pairs with their ranks, D = Rx - Ry and D², the sum of D² and, with mitErgebnis, rSP
// from the parts.
void Rangtabelle(Laufkontext& k, const std::vector<double>& rx, const std::vector<double>& ry,
                 const Spearmanteile& teile, bool mitErgebnis) {
    Rechentabelle t;
    t.Vorspann = {"Rang 1 erhält der größte Wert, gleiche Werte den Mittelwert ihrer Ränge.",
                  "D = Rx - Ry"};
    t.Kopf({"i", "xi", "yi", "Rx", "Ry", "D", "D²"}, rx.size());
    for (std::size_t i = 0; i < rx.size(); ++i) {
        t.Nummer(i) << k.TabellenVoll(k.M1[i]) << k.TabellenVoll(k.M2[i]);
        t.Gerundet(k, rx[i])
            .Gerundet(k, ry[i])
            .Gerundet(k, Minus(rx[i], ry[i]))
            .Gerundet(k, Rangdifferenzquadrat(rx[i], ry[i]));
    }
    // The sum and 6 times it in full: the lines after the table work with them.
    const std::string summe = k.Voll(teile.SummeD2);
    t.Summen({"", "", "", "", "", summe});

    const std::string n = GanzzahlText(static_cast<long long>(rx.size()));
    const std::string zaehler = k.Voll(teile.Zaehler);
    const std::string nenner = GanzzahlText(static_cast<long long>(teile.Nenner));
    t.Nachspann = {"6 * Sum(D²) = 6 * " + summe + " = " + zaehler,
                   "(n-1) * n * (n+1) = (" + n + " - 1) * " + n + " * (" + n + " + 1) = " + nenner};
    if (mitErgebnis)
        t.Nachspann.push_back("rSP = 1 - 6 * Sum(D²) / ((n-1) * n * (n+1)) = 1 - " + zaehler +
                              " / " + nenner + " = " + k.Gerundet(Spearman(teile)));
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeSpearman(Laufkontext& k) {
    k.Add(k.Titel);
    if (ZuWenigePaare(k)) {
        // A single pair has its ranks and sums, but no coefficient.
        if (k.Rechentabellen && k.M1.size() == 1 && k.M2.size() == 1) {
            const std::vector<double> rx = RangzifferBilden(k.M1), ry = RangzifferBilden(k.M2);
            Rangtabelle(k, rx, ry, k.Stat.SpearmenTeile(rx, ry), false);
        }
        return;
    }

    const std::vector<double> rx = RangzifferBilden(k.M1);
    const std::vector<double> ry = RangzifferBilden(k.M2);
    // The coefficient is rSP of these parts.
    Spearmanteile teile;

    if (k.Detail) {
        Zeile textX, textY;
        textX.reserve(rx.size());
        textY.reserve(ry.size());
        for (std::size_t i = 0; i < rx.size(); ++i) {
            textX.push_back(k.Gerundet(rx[i]));
            textY.push_back(k.Gerundet(ry[i]));
        }
        SpaltenAngleichen2(textX, textY);

        k.Add("");
        k.Add("Rangziffern:");
        k.AddVerbunden("Rix: ", textX);
        k.AddVerbunden("Riy: ", textY);
        k.Add("");
        k.Add("           6 * Sum(Rx-Ry)²");
        k.Add("rSP = 1 - -----------------");
        k.Add("          (n-1) * n * (n+1)");

        // The sum line shows the unrounded mean ranks, in input order.
        std::string summe = "          6 * [";
        for (std::size_t i = 0; i < rx.size(); ++i) {
            if (i > 0) summe += " + ";
            summe += '(';
            summe += k.Voll(rx[i]);
            summe += '-';
            summe += k.Voll(ry[i]);
            summe += ")²";
        }
        summe += ']';
        const long long summeLaenge = static_cast<long long>(Zeichenzahl(summe));

        const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
        const std::string nenner = "(" + n + " - 1) * " + n + " * (" + n + " + 1)";
        const long long einzug =
            std::max(0LL, (summeLaenge - static_cast<long long>(Zeichenzahl(nenner))) / 2 + 5);

        k.Add("");
        k.Add(summe);
        k.Add("rSP = 1 - " + Striche(summeLaenge - 9));
        k.Add(Leerzeichen(einzug) + nenner);
        k.Add("");
        teile = k.Stat.SpearmenTeile(rx, ry);
        k.Add("rSP = " + k.Gerundet(Spearman(teile)));
    } else {
        teile = k.Stat.SpearmenTeile(rx, ry);
        k.Add(SpearmanZeile(k.Format, Spearman(teile)));
    }
    k.Add("");
    if (k.Rechentabellen) Rangtabelle(k, rx, ry, teile, true);
}

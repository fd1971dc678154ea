// Report section "Kovarianz": the mean product of the deviations of the pairs from their
// means, with divisor n and, beside it, with divisor n - 1.

#include <string>

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "engine/Kennwerte.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Formelzeilen.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

constexpr const char* kProduktsumme = "Sum((xi - xMitt) * (yi - yMitt))";

// The deviations of each pair and their product, the sums, and sxy from the sum of products.
void Kovarianztabelle(Laufkontext& k, const Kovarianzteile& t, const std::string& sxy,
                      const std::string& stichprobe) {
    Rechentabelle tabelle;
    tabelle.Vorspann = {"xMitt = " + k.Voll(t.xMitt), "yMitt = " + k.Voll(t.yMitt)};
    tabelle.Kopf({"i", "xi", "yi", "xi - xMitt", "yi - yMitt", "(xi - xMitt) * (yi - yMitt)"},
                 k.M1.size());
    double summeX = 0, summeY = 0;
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        const double x = k.M1[i], y = k.M2[i];
        const double dx = Minus(x, t.xMitt), dy = Minus(y, t.yMitt);
        summeX = Plus(summeX, dx);
        summeY = Plus(summeY, dy);
        tabelle.Nummer(i) << k.TabellenVoll(x) << k.TabellenVoll(y);
        tabelle.Gerundet(k, dx).Gerundet(k, dy).Gerundet(k, Mal(dx, dy));
    }
    const std::string summe = k.Voll(t.Sxy), n = GanzzahlText(static_cast<long long>(k.M1.size()));
    tabelle.Summen({"", "", k.Gerundet(summeX), k.Gerundet(summeY), summe});
    tabelle.Nachspann = {"n = " + n, "sxy = " + std::string(kProduktsumme) +
                                         " / n = " + Eingesetzt(summe) + " / " + n + " = " + sxy};
    if (!stichprobe.empty())
        tabelle.Nachspann.push_back("sxy(n-1) = " + std::string(kProduktsumme) + " / (n - 1) = " +
                                    Eingesetzt(summe) + " / (" + n + " - 1) = " + stichprobe);
    tabelle.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeKovarianz(Laufkontext& k) {
    k.Add(k.Titel);
    if (k.M1.size() != k.M2.size()) {
        k.Add(kPaareUnvollstaendig);
        k.Add("");
        return;
    }
    const Kovarianzteile t = KovarianzBerechnen(k.Stat, k.M1, k.M2);
    const bool einPaar = k.M1.size() == 1;
    const std::string sxy = k.Gerundet(t.Kovarianz);
    const std::string stichprobe = einPaar ? "" : k.Gerundet(t.Stichprobenkovarianz);
    if (k.Detail) {
        const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
        const std::string summe = k.Voll(t.Sxy);
        k.Add("");
        BruchZeilen(k, "sxy = ", kProduktsumme, "n");
        k.Add("");
        k.Add("xMitt = " + k.Voll(t.xMitt));
        k.Add("yMitt = " + k.Voll(t.yMitt));
        k.Add(std::string(kProduktsumme) + " = " + summe);
        k.Add("");
        BruchZeilen(k, "sxy = ", summe, n, " = " + sxy);
        if (!einPaar) {
            k.Add("");
            BruchZeilen(k, "sxy(n-1) = ", summe, n + " - 1", " = " + stichprobe);
        }
        k.Add("");
    }
    k.Add("sxy: " + sxy);
    if (einPaar)
        k.Add("Die Kovarianz mit dem Teiler n - 1 ist für ein einziges Wertepaar nicht definiert.");
    else
        k.Add("sxy(n-1): " + stichprobe);
    k.Add("");
    if (k.Rechentabellen) Kovarianztabelle(k, t, sxy, stichprobe);
}

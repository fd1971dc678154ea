// "Median": the median of the raw list in full precision, with the sorted list as its step.

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

// Position and value of the sorted list with the middle position(s) marked, n, and the median
// taken from them.
void Mediantabelle(Laufkontext& k, const std::vector<double>& sortiert, double median) {
    const std::size_t n = sortiert.size();
    // The middle positions counted from 0: h alone for odd n, h and h + 1 for even n.
    const std::size_t h = (n - 1) / 2;
    const bool gerade = n % 2 == 0;
    Rechentabelle t;
    t.Kopf({"i", "x(i)"}, n);
    for (std::size_t i = 0; i < n; ++i) {
        t.Nummer(i) << k.TabellenVoll(sortiert[i]);
        if (i == h || (gerade && i == h + 1)) t.Marke(" <- Mitte");
    }

    const auto stelle = [](std::size_t i) {
        return "x(" + GanzzahlText(static_cast<long long>(i + 1)) + ")";
    };
    std::string zeile = "Median = ";
    if (gerade) {
        // The two middle values are added as the engine adds them.
        zeile += "(" + stelle(h) + " + " + stelle(h + 1) + ") / 2 = (" +
                 Eingesetzt(k.Voll(sortiert[h])) + " + " + Eingesetzt(k.Voll(sortiert[h + 1])) +
                 ") / 2 = " + Eingesetzt(k.Voll(Plus(sortiert[h + 1], sortiert[h]))) + " / 2 = ";
    } else {
        zeile += stelle(h) + " = ";
    }
    t.Nachspann = {"n = " + GanzzahlText(static_cast<long long>(n)), zeile + k.Voll(median)};
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeMedian(Laufkontext& k) {
    std::vector<double> sortiert;
    if (!k.M1.empty()) k.Stat.BubbleSort(k.M1, sortiert);
    k.Add(k.Titel);
    if (!k.M1.empty()) {
        if (k.Detail) {
            std::vector<std::string> texte;
            texte.reserve(sortiert.size());
            // Through the run's store of number texts: the sorted list repeats the values of
            // the other sorted lists and tables of the run, whose texts are made only once.
            for (double x : sortiert) texte.emplace_back(k.TabellenVoll(x));
            k.AddVerbunden("Sort:   ", texte);
        }
        const double median = k.Stat.Median(sortiert);
        k.Add(MedianZeile(k.Format, median));
        k.Add("");
        if (k.Rechentabellen) Mediantabelle(k, sortiert, median);
    } else {
        k.Add("");
    }
}

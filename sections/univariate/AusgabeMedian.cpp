// "Median": the median of the raw list in full precision, with the sorted list as its step.

#include "sections/Laufkontext.h"

namespace zv {

void AusgabeMedian(Laufkontext& k) {
    std::vector<double> sortiert;
    if (!k.M1.empty()) k.Stat.BubbleSort(k.M1, sortiert);
    k.Add(k.Titel);
    if (!k.M1.empty()) {
        if (k.Detail) {
            std::vector<std::string> texte;
            texte.reserve(sortiert.size());
            for (double x : sortiert) texte.push_back(k.Voll(x));
            k.AddVerbunden("Sort:   ", texte);
        }
        k.Add("Median: " + k.Voll(k.Stat.Median(sortiert)));
    }
    k.Add("");
}

}  // namespace zv

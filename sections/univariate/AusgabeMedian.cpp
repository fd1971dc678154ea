// "Median": the median of the raw list in full precision, with the sorted list as its step.

#include "core/Rechenlauf.h"

namespace zv {

void clsRechenlauf::AusgabeMedian() {
    std::vector<double> sortiert;
    if (M1Max > -1) Stat.BubbleSort(M1, sortiert);
    Add("MEDIAN");
    if (M1Max >= 0) {
        if (Detail) {
            std::vector<std::string> texte;
            texte.reserve(sortiert.size());
            for (double x : sortiert) texte.push_back(Voll(x));
            AddVerbunden("Sort:   ", texte);
        }
        Add("Median: " + Voll(Stat.Median(sortiert)));
    }
    Add("");
}

}  // namespace zv

#include "engine/Quartile.h"

#include <algorithm>
#include <cmath>

#include "base/Laufzeitfehler.h"
#include "base/Rechnen.h"

namespace zv {

std::vector<Haeufigkeitszeile> Haeufigkeitstabelle(const clsStatistik& stat,
                                                   const std::vector<double>& arr) {
    if (arr.empty()) Wirf(Fehlerart::IndexAusserhalb);
    // The stable sort keeps equal values (0 and -0 among them) in input order, so each run of
    // equal values begins with the one that appears first.
    std::vector<double> sortiert;
    stat.BubbleSort(arr, sortiert);
    const double n = static_cast<double>(arr.size());
    std::vector<Haeufigkeitszeile> tabelle;
    std::int32_t kumuliert = 0;
    for (std::size_t i = 0; i < sortiert.size();) {
        std::size_t ende = i + 1;
        while (ende < sortiert.size() && sortiert[ende] == sortiert[i]) ++ende;
        const auto h = static_cast<std::int32_t>(ende - i);
        kumuliert += h;
        tabelle.push_back({sortiert[i], h, Durch(h, n), kumuliert, Durch(kumuliert, n)});
        i = ende;
    }
    return tabelle;
}

namespace {

// The middle of two values, as the median takes it where their sum is finite.
double Mitte(double a, double b) {
    const double summe = a + b;
    if (std::isfinite(summe)) return summe / 2.0;
    return a / 2.0 + b / 2.0;
}

// The value at positions von..bis (from 1) of the sorted list: one value or the middle of two.
Quartilsstelle Stelle(const std::vector<double>& s, std::size_t von, std::size_t bis) {
    return {von, bis, von == bis ? s[von - 1] : Mitte(s[von - 1], s[bis - 1])};
}

// The median of the positions erste..erste+anzahl-1 (from 1).
Quartilsstelle MedianDerPositionen(const std::vector<double>& s, std::size_t erste,
                                   std::size_t anzahl) {
    if (anzahl % 2 == 1) return Stelle(s, erste + anzahl / 2, erste + anzahl / 2);
    return Stelle(s, erste + anzahl / 2 - 1, erste + anzahl / 2);
}

// x~p for p = zaehler / 4 by the standard definition.
Quartilsstelle Standardquantil(const std::vector<double>& s, std::size_t zaehler) {
    const std::size_t np4 = s.size() * zaehler;  // 4 * n * p
    if (np4 % 4 == 0) return Stelle(s, np4 / 4, np4 / 4 + 1);
    const std::size_t k = (np4 + 3) / 4;  // ceil(n * p)
    return Stelle(s, k, k);
}

void QuartileSetzen(Quartilsteile& q, Quartilsmethode methode) {
    const std::vector<double>& s = q.Sortiert;
    const std::size_t n = s.size();
    q.Methode = methode;
    q.Q2 = MedianDerPositionen(s, 1, n);
    if (n == 1) {
        q.Q1 = q.Q3 = q.Q2;
    } else if (methode == Quartilsmethode::Haelften) {
        const std::size_t haelfte = n / 2;
        q.Q1 = MedianDerPositionen(s, 1, haelfte);
        q.Q3 = MedianDerPositionen(s, n - haelfte + 1, haelfte);
    } else {
        q.Q1 = Standardquantil(s, 1);
        q.Q3 = Standardquantil(s, 3);
    }
}

}  // namespace

Quartilsteile QuartileBerechnen(const clsStatistik& stat, const std::vector<double>& arr,
                                Quartilsmethode methode) {
    if (arr.empty()) Wirf(Fehlerart::IndexAusserhalb);
    Quartilsteile q;
    stat.BubbleSort(arr, q.Sortiert);
    Quartilsteile andere;
    andere.Sortiert = q.Sortiert;
    QuartileSetzen(andere, methode == Quartilsmethode::Haelften ? Quartilsmethode::Standard
                                                                : Quartilsmethode::Haelften);
    QuartileSetzen(q, methode);
    q.AndereMethodeWeichtAb = andere.Q1.Wert != q.Q1.Wert || andere.Q3.Wert != q.Q3.Wert;
    q.AndereQ1 = andere.Q1;
    q.AndereQ3 = andere.Q3;

    q.IQR = Minus(q.Q3.Wert, q.Q1.Wert);
    q.UntererZaun = Minus(q.Q1.Wert, Mal(1.5, q.IQR));
    q.ObererZaun = Plus(q.Q3.Wert, Mal(1.5, q.IQR));
    q.UntererWhisker = q.Sortiert.back();
    q.ObererWhisker = q.Sortiert.front();
    for (double x : q.Sortiert) {
        if (x < q.UntererZaun || x > q.ObererZaun) {
            q.Ausreisser.push_back(x);
        } else {
            q.UntererWhisker = std::min(q.UntererWhisker, x);
            q.ObererWhisker = std::max(q.ObererWhisker, x);
        }
    }
    return q;
}

}  // namespace zv

#include "engine/clsStatistik.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "base/Laufzeitfehler.h"
#include "base/Rechnen.h"

namespace zv {

double clsStatistik::Summe(const Liste& arr) const {
    PruefeObergrenze(arr.size());
    double s = 0.0;
    for (double x : arr) s = Plus(s, x);
    return s;
}

double clsStatistik::SummeQuadrate(const Liste& arr) const {
    PruefeObergrenze(arr.size());
    double s = 0.0;
    for (double x : arr) s = Plus(s, Quadratsummand(x));
    return s;
}

double clsStatistik::SummeProdukte(const Liste& arr1, const Liste& arr2) const {
    PruefeObergrenze(arr1.size());
    double s = 0.0;
    for (std::size_t i = 0; i < arr1.size(); ++i) {
        if (i >= arr2.size()) Wirf(Fehlerart::IndexAusserhalb);
        s = Plus(s, Produktsummand(arr1[i], arr2[i]));
    }
    return s;
}

double clsStatistik::Mittelwert(const Liste& arr) const {
    const double s = Summe(arr);
    return Durch(s, static_cast<double>(arr.size()));
}

namespace {

// Stable LSD radix sort by value, eight bits a pass; passes in which every key has the same
// digit are skipped. 0 and -0 get the same key, so they keep their order like any other pair
// of equal values.
void RadixSortieren(std::vector<double>& werte) {
    const std::size_t n = werte.size();
    std::vector<std::uint64_t> schluessel(n), schluesselHilf(n);
    std::vector<double> hilf(n);
    constexpr std::uint64_t kVorzeichen = 1ULL << 63;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = werte[i] == 0.0 ? 0.0 : werte[i];
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
        // Negative values in reverse order below the positive ones.
        schluessel[i] = (bits & kVorzeichen) ? ~bits : (bits | kVorzeichen);
    }
    for (int verschiebung = 0; verschiebung < 64; verschiebung += 8) {
        std::size_t anzahl[256] = {};
        for (std::uint64_t k : schluessel) ++anzahl[(k >> verschiebung) & 0xFF];
        if (anzahl[(schluessel[0] >> verschiebung) & 0xFF] == n) continue;
        std::size_t start[256];
        std::size_t summe = 0;
        for (int d = 0; d < 256; ++d) start[d] = summe, summe += anzahl[d];
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t ziel = start[(schluessel[i] >> verschiebung) & 0xFF]++;
            schluesselHilf[ziel] = schluessel[i];
            hilf[ziel] = werte[i];
        }
        schluessel.swap(schluesselHilf);
        werte.swap(hilf);
    }
}

}  // namespace

// Stable ascending order: equal values (0 and -0 included) keep their input order. Linear time.
void clsStatistik::BubbleSort(const Liste& arr, Liste& arrs) const {
    PruefeObergrenze(arr.size());
    arrs = arr;
    if (!std::is_sorted(arrs.begin(), arrs.end())) RadixSortieren(arrs);
}

double clsStatistik::Median(const Liste& arr) const {
    Liste s;
    BubbleSort(arr, s);
    const long long obergrenze = static_cast<long long>(s.size()) - 1;
    const long long h = obergrenze / 2;  // truncates toward zero, also for -1
    if (s.size() % 2 == 1) return s[h];
    if (s.empty()) Wirf(Fehlerart::IndexAusserhalb);
    return Durch(Plus(s[h + 1], s[h]), 2.0);
}

clsStatistik::Liste clsStatistik::Modus(const Liste& arr) const {
    const Haeufigkeitsliste h = Auszaehlen(arr);
    const std::int32_t maxC = *std::max_element(h.Anzahl.begin(), h.Anzahl.end());
    Liste r{0.0};
    if (maxC < 2) return r;
    for (std::size_t j = 0; j < h.Werte.size(); ++j)
        if (h.Anzahl[j] == maxC) r.push_back(h.Werte[j]);
    return r;
}

Haeufigkeitsliste clsStatistik::Auszaehlen(const Liste& arr) const {
    if (arr.empty()) Wirf(Fehlerart::IndexAusserhalb);
    PruefeObergrenze(arr.size());
    // Distinct values in order of first appearance with their counts; exact equality, 0 and -0
    // equal. An open-addressing table over the values' bits finds a value's entry.
    Haeufigkeitsliste h;
    Liste& werte = h.Werte;
    std::vector<std::int32_t>& anzahl = h.Anzahl;
    std::size_t groesse = 16;
    while (groesse < 2 * arr.size()) groesse *= 2;
    constexpr std::uint32_t kFrei = 0xFFFFFFFF;
    std::vector<std::uint32_t> tafel(groesse, kFrei);  // index into werte, or free
    const int verschiebung = 64 - std::countr_zero(groesse);
    for (double x : arr) {
        const double schluessel = x == 0.0 ? 0.0 : x;
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(schluessel);
        std::size_t pos = static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> verschiebung);
        for (;; pos = (pos + 1) & (groesse - 1)) {
            const std::uint32_t j = tafel[pos];
            if (j == kFrei) {
                tafel[pos] = static_cast<std::uint32_t>(werte.size());
                werte.push_back(x);
                anzahl.push_back(1);
                break;
            }
            if (werte[j] == schluessel) {
                ++anzahl[j];
                break;
            }
        }
    }
    return h;
}

double clsStatistik::Spannweite(const Liste& arr) const {
    const Extremwerte e = Extrema(arr);
    return Minus(e.Groesster, e.Kleinster);
}

Extremwerte clsStatistik::Extrema(const Liste& arr) const {
    if (arr.empty()) Wirf(Fehlerart::IndexAusserhalb);
    PruefeObergrenze(arr.size());
    double lo = arr[0];
    double hi = arr[0];
    for (double x : arr) {
        if (lo > x) lo = x;
        if (hi < x) hi = x;
    }
    return {lo, hi};
}

namespace {

// Sum of |arr(i) - z| in index order, divided by n.
Abweichungsteile MittlereAbsolutabweichung(const clsStatistik::Liste& arr, double z) {
    double s = 0.0;
    for (double x : arr) s = Plus(Absolutabweichung(x, z), s);
    return {z, s, Durch(s, static_cast<double>(arr.size()))};
}

}  // namespace

double clsStatistik::DurchschnittlicheAbweichungMedian(const Liste& arr) const {
    return DurchschnittlicheAbweichungMedianTeile(arr).Ergebnis;
}

double clsStatistik::DurchschnittlicheAbweichungMittelwert(const Liste& arr) const {
    return DurchschnittlicheAbweichungMittelwertTeile(arr).Ergebnis;
}

Abweichungsteile clsStatistik::DurchschnittlicheAbweichungMedianTeile(const Liste& arr) const {
    return MittlereAbsolutabweichung(arr, Median(arr));
}

Abweichungsteile clsStatistik::DurchschnittlicheAbweichungMittelwertTeile(const Liste& arr) const {
    return MittlereAbsolutabweichung(arr, Mittelwert(arr));
}

double clsStatistik::MittlereQuadratischeAbweichung(const Liste& arr) const {
    return MittlereQuadratischeAbweichungTeile(arr).Ergebnis;
}

// Centred form: exactly 0 for identical values, otherwise the sum of squared deviations from
// the mean over n. (Mean of squares minus squared mean loses all precision for values with a
// large mean and can even turn negative.)
Abweichungsteile clsStatistik::MittlereQuadratischeAbweichungTeile(const Liste& arr) const {
    PruefeObergrenze(arr.size());
    if (arr.empty()) return {0.0, 0.0, Mittelwert(arr)};  // fails: 0 / 0
    if (IstKonstant(arr)) return {arr.front(), 0.0, 0.0};
    const double m = Mittelwert(arr);
    const double s = ZentrierteQuadratsumme(arr, m);
    return {m, s, Durch(s, static_cast<double>(arr.size()))};
}

Korrelationsteile clsStatistik::BravaisPearsonTeile(const Liste& arr1, const Liste& arr2) const {
    const double qx = SummeQuadrate(arr1);
    const double qy = SummeQuadrate(arr2);
    const double mx = Mittelwert(arr1);
    const double my = Mittelwert(arr2);
    const double sp = SummeProdukte(arr1, arr2);
    Korrelationsteile t;
    t.Qx = qx;
    t.Qy = qy;
    t.SP = sp;
    t.xMitt = mx;
    t.yMitt = my;
    t.Zaehler = ZentrierteProduktsumme(arr1, arr2, mx, my);
    t.Sxx = ZentrierteQuadratsumme(arr1, mx);
    t.WurzelX = Wurzel(t.Sxx);
    t.Syy = ZentrierteQuadratsumme(arr2, my);
    t.WurzelY = Wurzel(t.Syy);
    return t;
}

double clsStatistik::BravaisPearsonKorrelationskoeffizient(const Liste& arr1,
                                                           const Liste& arr2) const {
    return BravaisPearson(BravaisPearsonTeile(arr1, arr2));
}

double BravaisPearson(const Korrelationsteile& teile) {
    return Durch(teile.Zaehler, Mal(teile.WurzelY, teile.WurzelX));
}

double ZentrierteQuadratsumme(const std::vector<double>& x, double xMitt) {
    if (IstKonstant(x)) return 0.0;
    double s = 0.0;
    for (double xi : x) s = Plus(s, Quadratabweichung(xi, xMitt));
    return s;
}

double ZentrierteProduktsumme(const std::vector<double>& x, const std::vector<double>& y,
                              double xMitt, double yMitt) {
    if (IstKonstant(x) || IstKonstant(y)) return 0.0;
    double s = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (i >= y.size()) Wirf(Fehlerart::IndexAusserhalb);
        s = Plus(s, Mal(Minus(x[i], xMitt), Minus(y[i], yMitt)));
    }
    return s;
}

double clsStatistik::SpearmenRangkorrelationskoeffizient(const Liste& rl1, const Liste& rl2) const {
    return Spearman(SpearmenTeile(rl1, rl2));
}

double Spearman(const Spearmanteile& teile) {
    if (teile.KonstanteListe) Wirf(Fehlerart::Ueberlauf);  // 0 / 0, as for Pearson
    return Minus(1.0, Durch(teile.Zaehler, teile.Nenner));
}

Spearmanteile clsStatistik::SpearmenTeile(const Liste& rl1, const Liste& rl2) const {
    PruefeObergrenze(rl1.size());
    const long long n = static_cast<long long>(rl1.size());
    Spearmanteile t;
    for (std::size_t i = 0; i < rl1.size(); ++i) {
        if (i >= rl2.size()) Wirf(Fehlerart::IndexAusserhalb);
        t.SummeD2 = Plus(t.SummeD2, Rangdifferenzquadrat(rl1[i], rl2[i]));
    }
    t.Zaehler = Mal(t.SummeD2, 6.0);
    t.KonstanteListe = IstKonstant(rl1) || IstKonstant(rl2);
    // (n - 1) * n * (n + 1) exactly in 64 bits: no overflow for any list length.
    t.Nenner = static_cast<double>(((n - 1) * n) * (n + 1));
    return t;
}

Tabelle clsStatistik::Unabhaengigkeitsquotienten(const Tabelle& arr) const {
    PruefeObergrenze(static_cast<std::size_t>(arr.Zeilen));
    PruefeObergrenze(static_cast<std::size_t>(arr.Spalten));
    double gesamt = 0.0;
    for (int i = 0; i < arr.Zeilen; ++i)
        for (int j = 0; j < arr.Spalten; ++j) gesamt = Plus(gesamt, arr(i, j));

    // Each row and column sum is accumulated from 0 in increasing k, once, at the moment the
    // cell-by-cell walk first needs it, so results and failures come as if they were
    // recomputed for every cell.
    Tabelle q(arr.Zeilen, arr.Spalten);
    std::vector<double> spaltensumme(static_cast<std::size_t>(arr.Spalten));
    for (int i = 0; i < arr.Zeilen; ++i) {
        double zeilensumme = 0.0;
        for (int k = 0; k < arr.Spalten; ++k) zeilensumme = Plus(zeilensumme, arr(i, k));
        for (int j = 0; j < arr.Spalten; ++j) {
            if (i == 0) {
                double c = 0.0;
                for (int k = 0; k < arr.Zeilen; ++k) c = Plus(c, arr(k, j));
                spaltensumme[j] = c;
            }
            q(i, j) = Durch(Mal(spaltensumme[j], zeilensumme), gesamt);
        }
    }
    return q;
}

}  // namespace zv

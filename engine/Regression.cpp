#include "engine/Regression.h"

#include "base/Rechnen.h"

namespace zv {

Regressionsgerade RegressionSummen(const clsStatistik& stat, const std::vector<double>& x,
                                   const std::vector<double>& y, double n) {
    Regressionsgerade g;
    g.xMitt = stat.Mittelwert(x);
    g.yMitt = stat.Mittelwert(y);
    g.Qx = stat.SummeQuadrate(x);
    g.S = stat.SummeProdukte(x, y);

    const bool xKonstant = IstKonstant(x);
    g.Sxy = ZentrierteProduktsumme(xKonstant || IstKonstant(y), g.S, n, g.xMitt, g.yMitt);
    g.Sxx = ZentrierteQuadratsumme(xKonstant, g.Qx, n, g.xMitt);
    return g;
}

Regressionsgerade RegressionBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                      const std::vector<double>& y, double n) {
    Regressionsgerade g = RegressionSummen(stat, x, y, n);
    g.b = Durch(g.Sxy, g.Sxx);
    g.a = Minus(g.yMitt, Mal(g.b, g.xMitt));
    return g;
}

double Schaetzwert(const Regressionsgerade& gerade, double x) {
    return Plus(Mal(gerade.b, x), gerade.a);
}

Bestimmtheit BestimmtheitBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                   const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    Bestimmtheit r;
    r.Gerade = RegressionBerechnen(stat, x, y, n);
    r.Geschaetzt.reserve(x.size());
    for (double xi : x) r.Geschaetzt.push_back(Schaetzwert(r.Gerade, xi));
    r.Qy = stat.SummeQuadrate(y);
    r.QyDach = stat.SummeQuadrate(r.Geschaetzt);
    r.Erklaert = ZentrierteQuadratsumme(IstKonstant(r.Geschaetzt), r.QyDach, n, r.Gerade.yMitt);
    r.Syy = ZentrierteQuadratsumme(IstKonstant(y), r.Qy, n, r.Gerade.yMitt);
    r.R2 = Durch(r.Erklaert, r.Syy);
    return r;
}

}  // namespace zv

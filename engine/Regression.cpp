#include "engine/Regression.h"

#include "base/Rechnen.h"

namespace zv {

Regressionsgerade RegressionSummen(const clsStatistik& stat, const std::vector<double>& x,
                                   const std::vector<double>& y) {
    Regressionsgerade g;
    g.xMitt = stat.Mittelwert(x);
    g.yMitt = stat.Mittelwert(y);
    g.Qx = stat.SummeQuadrate(x);
    g.S = stat.SummeProdukte(x, y);
    g.Sxy = ZentrierteProduktsumme(x, y, g.xMitt, g.yMitt);
    g.Sxx = ZentrierteQuadratsumme(x, g.xMitt);
    return g;
}

Regressionsgerade RegressionBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                      const std::vector<double>& y) {
    Regressionsgerade g = RegressionSummen(stat, x, y);
    g.b = Durch(g.Sxy, g.Sxx);
    g.a = Minus(g.yMitt, Mal(g.b, g.xMitt));
    return g;
}

double Schaetzwert(const Regressionsgerade& gerade, double x) {
    return Plus(Mal(gerade.b, x), gerade.a);
}

Bestimmtheit BestimmtheitBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                   const std::vector<double>& y) {
    Bestimmtheit r;
    r.Gerade = RegressionBerechnen(stat, x, y);
    r.Geschaetzt.reserve(x.size());
    for (double xi : x) r.Geschaetzt.push_back(Schaetzwert(r.Gerade, xi));
    r.Qy = stat.SummeQuadrate(y);
    r.QyDach = stat.SummeQuadrate(r.Geschaetzt);
    r.Erklaert = ZentrierteQuadratsumme(r.Geschaetzt, r.Gerade.yMitt);
    r.Syy = ZentrierteQuadratsumme(y, r.Gerade.yMitt);
    r.R2 = Durch(r.Erklaert, r.Syy);
    return r;
}

}  // namespace zv

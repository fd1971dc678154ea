#include "sections/correlation/Regression.h"

#include "core/Rechnen.h"

namespace zv {

Regressionsgerade RegressionBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                      const std::vector<double>& y, double n) {
    Regressionsgerade g;
    g.xMitt = stat.Mittelwert(x);
    g.yMitt = stat.Mittelwert(y);
    g.Qx = stat.SummeQuadrate(x);
    g.S = stat.SummeProdukte(x, y);

    const bool xKonstant = IstKonstant(x);
    const double zaehler =
        (xKonstant || IstKonstant(y)) ? 0.0 : Minus(g.S, Mal(Mal(n, g.xMitt), g.yMitt));
    const double nenner = xKonstant ? 0.0 : Minus(g.Qx, Mal(Quadrat(g.xMitt), n));
    g.b = Durch(zaehler, nenner);
    g.a = Minus(g.yMitt, Mal(g.b, g.xMitt));
    return g;
}

}  // namespace zv

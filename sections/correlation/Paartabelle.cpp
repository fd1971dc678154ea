#include "sections/correlation/Paartabelle.h"

#include "base/Rechnen.h"
#include "base/Zahltext.h"

namespace zv {

void Paartabelle(Laufkontext& k, Rechentabelle& t, const std::string& mal, const Paarsummen& s,
                 const Bestimmtheit* b) {
    std::vector<std::string> kopf = {"i", "xi", "yi", "xi²", "yi²", "xi" + mal + "yi"};
    if (b) {
        kopf.push_back("^yi");
        kopf.push_back("^yi²");
    }
    t.Kopf(std::move(kopf), k.M1.size());
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        const double x = k.M1[i], y = k.M2[i];
        t.Nummer(i) << k.TabellenVoll(x) << k.TabellenVoll(y);
        t.Gerundet(k, Quadratsummand(x))
            .Gerundet(k, Quadratsummand(y))
            .Gerundet(k, Produktsummand(x, y));
        if (b) t.Gerundet(k, b->Geschaetzt[i]).Gerundet(k, Quadratsummand(b->Geschaetzt[i]));
    }
    const std::string summeX = k.Gerundet(k.Stat.Summe(k.M1));
    const std::string summeY = k.Gerundet(k.Stat.Summe(k.M2));
    std::vector<std::string> summen = {summeX, summeY, k.Gerundet(s.Qx), k.Gerundet(s.Qy),
                                       k.Gerundet(s.SP)};
    if (b) {
        summen.push_back("");
        summen.push_back(k.Gerundet(b->QyDach));
    }
    t.Summen(std::move(summen));

    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
    t.Nachspann = {
        "n = " + n,
        "xMitt = Sum(xi) / n = " + Eingesetzt(summeX) + " / " + n + " = " + k.Gerundet(s.xMitt),
        "yMitt = Sum(yi) / n = " + Eingesetzt(summeY) + " / " + n + " = " + k.Gerundet(s.yMitt)};
}

void Regressionstabelle(Laufkontext& k, const Regressionsgerade& g, bool mitGerade,
                        const Bestimmtheit* b) {
    // Syy as the determination forms its denominator.
    const double Qy = b ? b->Qy : k.Stat.SummeQuadrate(k.M2);
    const double Syy = b ? b->Syy : ZentrierteQuadratsumme(k.M2, g.yMitt);

    Rechentabelle t;
    Paartabelle(k, t, " * ", {g.Qx, Qy, g.S, g.xMitt, g.yMitt}, b);
    const std::string Sxx = k.Gerundet(g.Sxx), Sxy = k.Gerundet(g.Sxy);
    t.Nachspann.push_back("Sxx = Sum(xi²) - n * xMitt² = " + Sxx);
    t.Nachspann.push_back("Syy = Sum(yi²) - n * yMitt² = " + k.Gerundet(Syy));
    t.Nachspann.push_back("Sxy = Sum(xi * yi) - n * xMitt * yMitt = " + Sxy);
    if (mitGerade) {
        const std::string steigung = k.Gerundet(g.b);
        t.Nachspann.push_back("^b = Sxy / Sxx = " + Eingesetzt(Sxy) + " / " + Sxx + " = " +
                              steigung);
        t.Nachspann.push_back("^a = yMitt - ^b * xMitt = " + Eingesetzt(k.Gerundet(g.yMitt)) +
                              " - " + Eingesetzt(steigung) + " * " +
                              Eingesetzt(k.Gerundet(g.xMitt)) + " = " + k.Gerundet(g.a));
    }
    if (b) {
        const std::string erklaert = k.Gerundet(b->Erklaert);
        t.Nachspann.push_back("^yi = ^a + ^b * xi");
        t.Nachspann.push_back("Sum(^yi²) - n * yMitt² = " + erklaert);
        t.Nachspann.push_back("R² = (Sum(^yi²) - n * yMitt²) / Syy = " + erklaert + " / " +
                              k.Gerundet(Syy) + " = " + k.Gerundet(b->R2));
    }
    t.Schreiben(k);
}

void EinzelpaarTabelle(Laufkontext& k) {
    if (k.Rechentabellen && k.M1.size() == 1 && k.M2.size() == 1)
        Regressionstabelle(k, RegressionSummen(k.Stat, k.M1, k.M2), false);
}

}  // namespace zv

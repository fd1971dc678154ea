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
    // The sums and means in full: the lines under the table work with them.
    const std::string summeX = k.Voll(k.Stat.Summe(k.M1));
    const std::string summeY = k.Voll(k.Stat.Summe(k.M2));
    std::vector<std::string> summen = {summeX, summeY, k.Voll(s.Qx), k.Voll(s.Qy), k.Voll(s.SP)};
    if (b) {
        summen.push_back("");
        summen.push_back(k.Voll(b->QyDach));
    }
    t.Summen(std::move(summen));

    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
    t.Nachspann = {
        "n = " + n,
        "xMitt = Sum(xi) / n = " + Eingesetzt(summeX) + " / " + n + " = " + k.Voll(s.xMitt),
        "yMitt = Sum(yi) / n = " + Eingesetzt(summeY) + " / " + n + " = " + k.Voll(s.yMitt)};
}

std::string Zentriert(Laufkontext& k, const std::string& mal, const Paarsummen& s, char was,
                      double wert) {
    // Sum(xi²) - n * xMitt², Sum(yi²) - n * yMitt² or Sum(xi * yi) - n * xMitt * yMitt, with
    // the numbers of the table put in.
    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
    const std::string xMitt = Eingesetzt(k.Voll(s.xMitt)), yMitt = Eingesetzt(k.Voll(s.yMitt));
    std::string zeile;
    switch (was) {
        case 'x':
            zeile = "Sxx = Sum(xi²) - n" + mal + "xMitt² = " + k.Voll(s.Qx) + " - " + n + " * " +
                    xMitt + "²";
            break;
        case 'y':
            zeile = "Syy = Sum(yi²) - n" + mal + "yMitt² = " + k.Voll(s.Qy) + " - " + n + " * " +
                    yMitt + "²";
            break;
        default:
            zeile = "Sxy = Sum(xi" + mal + "yi) - n" + mal + "xMitt" + mal +
                    "yMitt = " + Eingesetzt(k.Voll(s.SP)) + " - " + n + " * " + xMitt + " * " +
                    yMitt;
            break;
    }
    return zeile + " = " + k.Voll(wert);
}

void Regressionstabelle(Laufkontext& k, const Regressionsgerade& g, bool mitGerade,
                        const Bestimmtheit* b) {
    // Syy as the determination forms its denominator.
    const double Qy = b ? b->Qy : k.Stat.SummeQuadrate(k.M2);
    const double Syy = b ? b->Syy : ZentrierteQuadratsumme(k.M2, g.yMitt);

    Rechentabelle t;
    const Paarsummen s{g.Qx, Qy, g.S, g.xMitt, g.yMitt};
    Paartabelle(k, t, " * ", s, b);
    // Sxx, Syy, Sxy, ^b and ^a in full, as every table of the run shows them: later lines and
    // the fitted values are computed from them.
    t.Nachspann.push_back(Zentriert(k, " * ", s, 'x', g.Sxx));
    t.Nachspann.push_back(Zentriert(k, " * ", s, 'y', Syy));
    t.Nachspann.push_back(Zentriert(k, " * ", s, 'p', g.Sxy));
    if (mitGerade) {
        const std::string steigung = Eingesetzt(k.Voll(g.b));
        t.Nachspann.push_back("^b = Sxy / Sxx = " + Eingesetzt(k.Voll(g.Sxy)) + " / " +
                              k.Voll(g.Sxx) + " = " + k.Voll(g.b));
        t.Nachspann.push_back("^a = yMitt - ^b * xMitt = " + Eingesetzt(k.Voll(g.yMitt)) + " - " +
                              steigung + " * " + Eingesetzt(k.Voll(g.xMitt)) + " = " + k.Voll(g.a));
    }
    if (b) {
        const std::string erklaert = k.Voll(b->Erklaert);
        t.Nachspann.push_back("^yi = ^a + ^b * xi");
        t.Nachspann.push_back("Sum(^yi²) - n * yMitt² = " + k.Voll(b->QyDach) + " - " +
                              GanzzahlText(static_cast<long long>(k.M1.size())) + " * " +
                              Eingesetzt(k.Voll(g.yMitt)) + "² = " + erklaert);
        t.Nachspann.push_back("R² = (Sum(^yi²) - n * yMitt²) / Syy = " + erklaert + " / " +
                              k.Voll(Syy) + " = " + k.Gerundet(b->R2));
    }
    t.Schreiben(k);
}

void EinzelpaarTabelle(Laufkontext& k) {
    if (k.Rechentabellen && k.M1.size() == 1 && k.M2.size() == 1)
        Regressionstabelle(k, RegressionSummen(k.Stat, k.M1, k.M2), false);
}

}  // namespace zv

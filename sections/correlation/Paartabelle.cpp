#include "sections/correlation/Paartabelle.h"

#include "base/Rechnen.h"
#include "base/Zahltext.h"

namespace zv {

void Paartabelle(Laufkontext& k, Rechentabelle& t, const std::string& mal, const Paarsummen& s) {
    t.Kopf({"i", "xi", "yi", "xi²", "yi²", "xi" + mal + "yi"}, k.M1.size());
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        const double x = k.M1[i], y = k.M2[i];
        t.Nummer(i) << k.TabellenVoll(x) << k.TabellenVoll(y);
        t.Gerundet(k, Quadratsummand(x))
            .Gerundet(k, Quadratsummand(y))
            .Gerundet(k, Produktsummand(x, y));
    }
    // The sums and means in full: the lines under the table work with them.
    const std::string summeX = k.Voll(k.Stat.Summe(k.M1));
    const std::string summeY = k.Voll(k.Stat.Summe(k.M2));
    t.Summen({summeX, summeY, k.Voll(s.Qx), k.Voll(s.Qy), k.Voll(s.SP)});

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

namespace {

// The second table of the line: ^yi = ^a + ^b * xi for each pair and what is left of yi. For
// the regression the residuals ei = yi - ^yi, which add up to 0, and their squares; for the
// determination (b) the squares of the deviations of yi and ^yi from yMitt and of the
// residuals, whose sums SQT, SQE and SQR show SQT = SQE + SQR and give R² = SQE / SQT.
void Restetabelle(Laufkontext& k, const Regressionsgerade& g, const Bestimmtheit* b) {
    Rechentabelle t;
    t.Vorspann = {"^a = " + k.Voll(g.a), "^b = " + k.Voll(g.b), "^yi = ^a + ^b * xi"};
    t.Vorspann.push_back(b ? "yMitt = " + k.Voll(g.yMitt) : "ei = yi - ^yi");
    if (b)
        t.Kopf({"i", "xi", "yi", "^yi", "(yi - yMitt)²", "(^yi - yMitt)²", "(yi - ^yi)²"},
               k.M1.size());
    else
        t.Kopf({"i", "xi", "yi", "^yi", "ei", "ei²"}, k.M1.size());
    double reste = 0, quadrate = 0;
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        const double y = k.M2[i], dach = b ? b->Geschaetzt[i] : Schaetzwert(g, k.M1[i]);
        const double rest = Minus(y, dach);
        reste = Plus(reste, rest);
        quadrate = Plus(quadrate, Quadrat(rest));
        t.Nummer(i) << k.TabellenVoll(k.M1[i]) << k.TabellenVoll(y);
        t.Gerundet(k, dach);
        if (b)
            t.Gerundet(k, Quadrat(Minus(y, g.yMitt))).Gerundet(k, Quadrat(Minus(dach, g.yMitt)));
        else
            t.Gerundet(k, rest);
        t.Gerundet(k, Quadrat(rest));
    }
    const std::string SQR = k.Voll(quadrate);
    if (!b) {
        t.Summen({"", "", "", k.Gerundet(reste), SQR});
        t.Nachspann = {"Probe: Sum(ei) = " + k.Gerundet(reste)};
    } else {
        const std::string SQT = k.Voll(b->Syy), SQE = k.Voll(b->Erklaert);
        t.Summen({"", "", "", SQT, SQE, SQR});
        t.Nachspann = {
            "SQT = Sum((yi - yMitt)²), SQE = Sum((^yi - yMitt)²), SQR = Sum((yi - ^yi)²)",
            "SQE + SQR = " + SQE + " + " + SQR + " = " + SQT + " = SQT",
            "R² = SQE / SQT = " + SQE + " / " + SQT + " = " + k.Gerundet(b->R2)};
    }
    t.Schreiben(k);
}

}  // namespace

void Regressionstabelle(Laufkontext& k, const Regressionsgerade& g, bool mitGerade,
                        const Bestimmtheit* b) {
    // Syy as the determination forms its denominator.
    const double Qy = b ? b->Qy : k.Stat.SummeQuadrate(k.M2);
    const double Syy = b ? b->Syy : ZentrierteQuadratsumme(k.M2, g.yMitt);

    Rechentabelle t;
    const Paarsummen s{g.Qx, Qy, g.S, g.xMitt, g.yMitt};
    Paartabelle(k, t, " * ", s);
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
    t.Schreiben(k);
    if (mitGerade) Restetabelle(k, g, b);
}

void EinzelpaarTabelle(Laufkontext& k) {
    if (k.Rechentabellen && k.M1.size() == 1 && k.M2.size() == 1)
        Regressionstabelle(k, RegressionSummen(k.Stat, k.M1, k.M2), false);
}

}  // namespace zv

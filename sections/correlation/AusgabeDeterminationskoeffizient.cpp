// Report section "Determinationskoeffizient": R², the share of the sum of squares of y that
// the regression line explains.

#include <string>
#include <vector>

#include "base/Spalten.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "engine/Regression.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/correlation/Paare.h"
#include "sections/correlation/Paartabelle.h"

void zv::AusgabeDeterminationskoeffizient(Laufkontext& k) {
    k.Add(k.Titel);
    if (ZuWenigePaare(k)) {
        EinzelpaarTabelle(k);
        return;
    }

    // Everything is computed before the next line, so a fault leaves only the title.
    const Bestimmtheit b = BestimmtheitBerechnen(k.Stat, k.M1, k.M2);

    if (!k.Detail) {
        // Without the details the section ends on its result line.
        k.Add(DeterminationZeile(k.Format, b.R2));
        if (k.Rechentabellen) Regressionstabelle(k, b.Gerade, true, &b);
        return;
    }

    k.Add("");
    k.Add("     Sum(^yi²) - n * yMitt²");
    k.Add("R² = -----------------------     ^yi = ^a + (^b * xi)");
    k.Add("       Sum(y²) - n * yMitt²");

    Zeile textX, textDach;
    textX.reserve(b.Geschaetzt.size());
    textDach.reserve(b.Geschaetzt.size());
    for (std::size_t i = 0; i < b.Geschaetzt.size(); ++i) {
        textX.push_back(k.Voll(k.M1[i]));
        textDach.push_back(k.Gerundet(b.Geschaetzt[i]));
    }
    SpaltenAngleichen2(textX, textDach);
    const std::string xZeile = k.Verbunden(textX);

    const std::string nText = GanzzahlText(static_cast<long long>(k.M1.size()));
    const std::string yMitt = k.Gerundet(b.Gerade.yMitt);
    const std::string QyDachText = k.Gerundet(b.QyDach);
    const std::string QyText = k.Gerundet(b.Qy);

    k.Add("");
    k.Add("xi | " + xZeile);
    k.Add("---+-" + Striche(static_cast<long long>(Zeichenzahl(xZeile)) + 1));
    k.AddVerbunden("^yi| ", textDach);
    k.Add("");
    k.Add("Sum(^yi²) = " + QyDachText);
    k.Add("n = " + nText);
    k.Add("yMitt = " + yMitt);
    k.Add("Sum(y²) = " + QyText);

    const std::string zaehlerZeile = "     " + QyDachText + " - " + nText + " * " + yMitt + "²";
    k.Add("");
    k.Add(zaehlerZeile);
    k.Add("R² = " + Striche(static_cast<long long>(Zeichenzahl(zaehlerZeile)) - 5) + " = " +
          k.Gerundet(b.R2));
    k.Add("     " + QyText + " - " + nText + " * " + yMitt + "²");
    k.Add("");
    if (k.Rechentabellen) Regressionstabelle(k, b.Gerade, true, &b);
}

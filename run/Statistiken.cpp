#include "run/Statistiken.h"

#include "base/Laufzeitfehler.h"
#include "sections/Abschnitte.h"

namespace zv {

namespace {

constexpr bool Eindimensional = false, Zweidimensional = true;
constexpr bool OhneSchritte = false, MitSchritten = true;

// One row per statistic, each mode's entries in list order: list entry, title, data mode,
// calculation steps, report section (declared in sections/Abschnitte.h), then the help the
// window shows for it. A new statistic is a section file, its declaration and a row here.
// The formulas are those the sections compute, which may differ in form from the fractions
// the report draws; where they do, the help names both.
constexpr Statistik kStatistiken[] = {
    {"Modus",
     "MODUS",
     Eindimensional,
     OhneSchritte,
     AusgabeModus,
     {"Der Modus (Modalwert) ist der Wert, der in der Urliste am häufigsten vorkommt.",
      "Der Modus ist immer einer der eingegebenen Werte. Kommen mehrere Werte gleich oft am "
      "häufigsten vor, nennt der Bericht alle, in der Reihenfolge, in der sie zuerst in der "
      "Urliste stehen. Kommt jeder Wert nur einmal vor, gibt es keinen Modus: Der Bericht meldet "
      "„kein Modus gefunden!“. Zwei Werte zählen nur als gleich, wenn sie genau übereinstimmen "
      "(2 und 2,0 ja, 2 und 2,01 nein). Der Modus wird nicht gerundet.",
      "h(x) = wie oft der Wert x in der Urliste vorkommt\n"
      "Modus = jeder Wert x mit der größten Häufigkeit h(x), falls h(x) ≥ 2"}},
    {"Median",
     "MEDIAN",
     Eindimensional,
     MitSchritten,
     AusgabeMedian,
     {"Der Median (Zentralwert) ist der Wert in der Mitte der Urliste, wenn man sie der Größe "
      "nach ordnet. Er teilt die Werte in zwei gleich große Hälften.",
      "Mindestens die Hälfte der Werte ist kleiner oder gleich dem Median, mindestens die Hälfte "
      "größer oder gleich. Er liegt immer zwischen dem kleinsten und dem größten Wert. Ein "
      "einzelner Ausreißer verschiebt ihn kaum, anders als das arithmetische Mittel. Der Bericht "
      "zeigt den Median ungerundet, mit den Berechnungsschritten auch die geordnete Liste.",
      "Werte aufsteigend ordnen: x₁ ≤ x₂ ≤ … ≤ xₙ   (n = Anzahl der Werte)\n"
      "n ungerade:  Median = xₖ                mit k = (n + 1) / 2\n"
      "n gerade:    Median = (xₖ + xₖ₊₁) / 2   mit k = n / 2"}},
    {"Arithmetisches Mittel",
     "ARITHMETISCHES MITTEL (MITTELWERT)",
     Eindimensional,
     OhneSchritte,
     AusgabeMittelwert,
     {"Das arithmetische Mittel x̄ (Mittelwert, Durchschnitt) verteilt die Summe aller Werte "
      "gleichmäßig auf alle Werte.",
      "Ersetzt man jeden Wert durch x̄, bleibt die Summe gleich. x̄ liegt zwischen dem kleinsten "
      "und dem größten Wert, ist aber oft selbst keiner der Werte. Ein einzelner sehr großer oder "
      "sehr kleiner Wert (Ausreißer) verschiebt es stark. Negativ ist es, wenn die negativen Werte "
      "überwiegen. Der Bericht rundet es auf die eingestellten Nachkommastellen.",
      "x̄ = (x₁ + x₂ + … + xₙ) / n = Σxᵢ / n   (im Bericht: Mittelwert, xMitt)\n"
      "n = Anzahl der Werte"}},
    {"Spannweite",
     "SPANNWEITE",
     Eindimensional,
     OhneSchritte,
     AusgabeSpannweite,
     {"Die Spannweite gibt an, wie weit der größte und der kleinste Wert auseinanderliegen.",
      "Sie ist nie negativ und hat dieselbe Einheit wie die Werte. 0 heißt: Alle Werte sind "
      "gleich. Je größer sie ist, desto weiter streuen die Werte. Sie hängt nur von den beiden "
      "äußersten Werten ab; ein einziger Ausreißer macht sie groß.",
      "SP = xmax − xmin\n"
      "xmax = größter Wert, xmin = kleinster Wert"}},
    {"Durchschnittliche Abweichung",
     "DURCHSCHNITTLICHE ABWEICHUNG",
     Eindimensional,
     OhneSchritte,
     AusgabeDurchschnittlicheAbweichung,
     {"Die durchschnittliche Abweichung gibt an, wie weit die Werte im Mittel von ihrer Mitte "
      "entfernt liegen. Der Bericht zeigt sie zweimal: um den Median (sMed) und um das "
      "arithmetische Mittel (sMitt).",
      "Beide Werte sind nie negativ und haben dieselbe Einheit wie die Werte. 0 heißt: Alle Werte "
      "sind gleich. Je größer der Wert, desto stärker streuen die Werte um die Mitte. sMed ist nie "
      "größer als sMitt, denn um den Median ist die Summe der Abstände am kleinsten.",
      "sMed  = Σ|xᵢ − Median| / n\n"
      "sMitt = Σ|xᵢ − x̄| / n\n"
      "geteilt durch n = Anzahl der Werte"}},
    {"Mittlere quadratische Abweichung",
     "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",
     Eindimensional,
     OhneSchritte,
     AusgabeVarianz,
     {"Die mittlere quadratische Abweichung (Varianz) misst, wie stark die Werte um das "
      "arithmetische Mittel x̄ streuen: Sie ist der Durchschnitt der quadrierten Abstände von x̄.",
      "Sie ist nie negativ. 0 heißt: Alle Werte sind gleich. Je größer sie ist, desto stärker "
      "streuen die Werte. Weil die Abstände quadriert werden, zählen große Abstände besonders "
      "viel, "
      "und die Einheit ist das Quadrat der Einheit der Werte (aus cm wird cm²). Anschaulicher ist "
      "ihre Wurzel, die Standardabweichung.",
      "s²x = Σ(xᵢ − x̄)² / n\n"
      "geteilt durch n = Anzahl der Werte (nicht durch n − 1 wie bei der Stichprobenvarianz)"}},
    {"Standardabweichnung",
     "STANDARDABWEICHNUNG",
     Eindimensional,
     OhneSchritte,
     AusgabeStandardabweichung,
     {"Die Standardabweichung misst, wie stark die Werte um das arithmetische Mittel x̄ streuen. "
      "Sie ist die Wurzel aus der mittleren quadratischen Abweichung (Varianz).",
      "Sie ist nie negativ und hat dieselbe Einheit wie die Werte. 0 heißt: Alle Werte sind "
      "gleich. Ein großes s heißt: Die Werte liegen weit auseinander. Als Faustregel liegen bei "
      "vielen Datensätzen etwa zwei Drittel der Werte zwischen x̄ − s und x̄ + s.",
      "s = √s²x = √( Σ(xᵢ − x̄)² / n )\n"
      "geteilt durch n = Anzahl der Werte (nicht durch n − 1); gerundet wird erst nach der "
      "Wurzel"},
     "Standardabweichung"},
    {"Häufigkeitstabelle",
     "HÄUFIGKEITSTABELLE",
     Eindimensional,
     MitSchritten,
     AusgabeHaeufigkeitstabelle,
     {"Die Häufigkeitstabelle zählt aus, wie oft jeder verschiedene Wert der Urliste vorkommt: "
      "absolut (hⱼ), als Anteil an allen Werten (fⱼ) und aufsummiert bis zu diesem Wert (Hⱼ, Fⱼ).",
      "Die Werte xⱼ stehen der Größe nach. hⱼ ist eine ganze Zahl ab 1, fⱼ liegt zwischen 0 und 1 "
      "(mal 100 ergibt Prozent). Hⱼ sagt, wie viele Werte kleiner oder gleich xⱼ sind, Fⱼ welcher "
      "Anteil; in der letzten Zeile sind es n und 1. Die hⱼ ergeben zusammen n, die fⱼ zusammen "
      "1. Zwei Werte zählen nur als gleich, wenn sie genau übereinstimmen. Der Bericht rundet fⱼ "
      "und Fⱼ auf die eingestellten Nachkommastellen.",
      "hⱼ = wie oft der Wert xⱼ in der Urliste vorkommt\n"
      "fⱼ = hⱼ / n\n"
      "Hⱼ = h₁ + h₂ + … + hⱼ      Fⱼ = Hⱼ / n = f₁ + f₂ + … + fⱼ\n"
      "n = Anzahl der Werte"}},
    {"Quartile",
     "QUARTILE",
     Eindimensional,
     MitSchritten,
     AusgabeQuartile,
     {"Die Quartile Q1, Q2 und Q3 teilen die geordnete Urliste in vier etwa gleich große Teile. "
      "Q2 ist der Median. Dazu zeigt der Bericht den Quartilsabstand IQR, die "
      "Fünf-Zahlen-Zusammenfassung für den Boxplot und die Werte, die als Ausreißer gelten.",
      "Etwa ein Viertel der Werte ist kleiner oder gleich Q1, etwa drei Viertel sind kleiner oder "
      "gleich Q3. Zwischen Q1 und Q3 liegt die mittlere Hälfte der Werte; ihr Abstand IQR ist "
      "nie negativ und wächst mit der Streuung, Ausreißer verschieben ihn kaum. Werte außerhalb "
      "der Zäune Q1 − 1,5 · IQR und Q3 + 1,5 · IQR gelten als Ausreißer. Bücher und Rechner "
      "bestimmen Q1 und Q3 verschieden; im Menü Extras wählt man die Hälftenmethode (Vorgabe) "
      "oder die Standarddefinition, und der Bericht sagt, wenn die andere andere Werte ergibt. "
      "Die Quartile werden nicht gerundet.",
      "Werte aufsteigend ordnen: x₁ ≤ x₂ ≤ … ≤ xₙ\n"
      "Hälftenmethode: Q1 = Median der unteren, Q3 = Median der oberen Hälfte;\n"
      "  bei ungeradem n gehört der mittlere Wert zu keiner Hälfte\n"
      "Standarddefinition für p = 0,25; 0,5; 0,75:\n"
      "  n · p nicht ganzzahlig:  x̃ₚ = xₖ mit k = n · p aufgerundet\n"
      "  n · p ganzzahlig:        x̃ₚ = (xₙₚ + xₙₚ₊₁) / 2\n"
      "IQR = Q3 − Q1      Zäune: Q1 − 1,5 · IQR und Q3 + 1,5 · IQR"}},
    {"Geometrisches Mittel",
     "GEOMETRISCHES MITTEL",
     Eindimensional,
     MitSchritten,
     AusgabeGeometrischesMittel,
     {"Das geometrische Mittel xGeo ist der Wert, der n-mal mit sich selbst multipliziert "
      "dasselbe Produkt ergibt wie alle Werte zusammen. Man nimmt es für Faktoren und "
      "Wachstumsraten, etwa für den mittleren Zinsfaktor über mehrere Jahre.",
      "Es ist nur für Werte größer als 0 definiert; sonst meldet der Bericht den ersten Wert, der "
      "nicht passt. xGeo liegt zwischen dem kleinsten und dem größten Wert und ist nie größer als "
      "das arithmetische Mittel; gleich groß sind beide nur, wenn alle Werte gleich sind. Das "
      "Programm rechnet über Logarithmen, damit das Produkt nicht zu groß wird.",
      "xGeo = ⁿ√(x₁ · x₂ · … · xₙ)\n"
      "gleichwertig, wie das Programm rechnet: xGeo = exp( Σ ln(xᵢ) / n )\n"
      "n = Anzahl der Werte, alle xᵢ > 0"}},
    {"Harmonisches Mittel",
     "HARMONISCHES MITTEL",
     Eindimensional,
     MitSchritten,
     AusgabeHarmonischesMittel,
     {"Das harmonische Mittel xHarm ist der Kehrwert des arithmetischen Mittels der Kehrwerte. "
      "Man nimmt es für Verhältnisse wie Geschwindigkeiten: Wer die gleiche Strecke einmal mit "
      "40 km/h und einmal mit 60 km/h fährt, ist im Mittel 48 km/h schnell.",
      "Für positive Werte liegt xHarm zwischen dem kleinsten Wert und dem geometrischen Mittel; "
      "kleine Werte ziehen es stark nach unten. Lehrbücher definieren es nur für Werte größer als "
      "0. Ein Wert 0 hat keinen Kehrwert: Dann meldet der Bericht, dass es nicht definiert ist, "
      "ebenso, wenn sich die Kehrwerte positiver und negativer Werte zu 0 aufheben.",
      "xHarm = n / (1/x₁ + 1/x₂ + … + 1/xₙ) = n / Σ(1/xᵢ)\n"
      "n = Anzahl der Werte, alle xᵢ ≠ 0"}},
    {"Variationskoeffizient",
     "VARIATIONSKOEFFIZIENT",
     Eindimensional,
     MitSchritten,
     AusgabeVariationskoeffizient,
     {"Der Variationskoeffizient v misst die Streuung im Verhältnis zur Größe der Werte: die "
      "Standardabweichung s geteilt durch das arithmetische Mittel x̄.",
      "v hat keine Einheit und lässt sich deshalb zwischen Datensätzen mit verschiedenen "
      "Einheiten oder Größenordnungen vergleichen; mal 100 ergibt Prozent. 0 heißt: Alle Werte "
      "sind gleich. Er ist nur für Daten mit positivem Mittelwert definiert; sonst meldet der "
      "Bericht das.",
      "v = s / x̄   mit s = √( Σ(xᵢ − x̄)² / n )\n"
      "s ist die Standardabweichung mit dem Teiler n (nicht n − 1), x̄ > 0"}},
    {"Stichprobenvarianz und -standardabweichung",
     "STICHPROBENVARIANZ UND -STANDARDABWEICHUNG",
     Eindimensional,
     MitSchritten,
     AusgabeStichprobenvarianz,
     {"Die Stichprobenvarianz s²(n-1) misst die Streuung wie die mittlere quadratische "
      "Abweichung, teilt die Summe der quadrierten Abstände von x̄ aber durch n − 1 statt durch "
      "n. Ihre Wurzel ist die Stichprobenstandardabweichung s(n-1), auf dem Taschenrechner oft "
      "„Sx“.",
      "Man nimmt sie, wenn die Werte eine Stichprobe aus einer größeren Gesamtheit sind und deren "
      "Streuung geschätzt werden soll. Sie ist immer etwas größer als die mittlere quadratische "
      "Abweichung; bei vielen Werten ist der Unterschied klein. Manche Bücher nennen beide "
      "„empirische Varianz“, deshalb nennt der Bericht immer den Teiler. Es braucht mindestens "
      "zwei Werte.",
      "s²(n-1) = Σ(xᵢ − x̄)² / (n − 1)\n"
      "s(n-1) = √s²(n-1)\n"
      "n = Anzahl der Werte, mindestens 2"}},
    {"Randhäufigkeiten",
     "RANDHÄUFIGKEITEN",
     Zweidimensional,
     OhneSchritte,
     AusgabeRandhaeufigkeiten,
     {"Die beiden Listen bilden eine Häufigkeitstabelle: a1 ist die erste Zeile, a2 die zweite, "
      "die Spalte bⱼ enthält den j-ten Wert jeder Liste. Jeder Wert ist eine absolute Häufigkeit "
      "hᵢⱼ. Die Randhäufigkeiten sind die Zeilensummen hᵢ., die Spaltensummen h.ⱼ und die "
      "Gesamtzahl n.",
      "hᵢ. sagt, wie oft die Ausprägung aᵢ insgesamt vorkommt, h.ⱼ, wie oft bⱼ vorkommt; n ist "
      "der Umfang der ganzen Tabelle. Die Zeilensummen und die Spaltensummen ergeben beide n. "
      "Häufigkeiten sind ganze Zahlen ab 0; das Programm rechnet aber auch mit Kommazahlen und "
      "negativen Zahlen, ohne zu warnen.",
      "hᵢ. = hᵢ₁ + hᵢ₂ + … + hᵢₖ   (Zeilensumme, i = 1, 2)\n"
      "h.ⱼ = h₁ⱼ + h₂ⱼ            (Spaltensumme, j = 1 … k)\n"
      "n = h₁. + h₂.              (alle Häufigkeiten)\n"
      "k = Anzahl der Werte in jeder Liste"}},
    {"Bedingte Häufigkeiten",
     "BEDINGTE HÄUFIGKEITEN",
     Zweidimensional,
     MitSchritten,
     AusgabeBedingteHaeufigkeiten,
     {"Bedingte relative Häufigkeiten sind Anteile innerhalb einer Spalte oder einer Zeile der "
      "Häufigkeitstabelle (Zeilen a1 und a2, Spalten b1 … bk). f(aᵢ|bⱼ) ist der Anteil von aᵢ an "
      "allen Fällen mit bⱼ, f(bⱼ|aᵢ) der Anteil von bⱼ an allen Fällen mit aᵢ.",
      "Die Werte liegen zwischen 0 und 1 (mal 100 ergibt Prozent). In jeder Spalte ergeben die "
      "beiden f(aᵢ|bⱼ) zusammen 1, in jeder Zeile alle f(bⱼ|aᵢ) zusammen 1. Im Bericht gehört "
      "jeweils die erste Zeile zu a1, die zweite zu a2. Ist f(a1|bⱼ) in allen Spalten gleich, "
      "hängt der Anteil von a1 nicht von b ab: Die Merkmale sind unabhängig.",
      "f(aᵢ|bⱼ) = hᵢⱼ / h.ⱼ   (Häufigkeit durch Spaltensumme)\n"
      "f(bⱼ|aᵢ) = hᵢⱼ / hᵢ.   (Häufigkeit durch Zeilensumme)"}},
    {"Unabhängigkeitsquotienten",
     "UNABHÄNGIGKEITSQUOTIENTEN",
     Zweidimensional,
     OhneSchritte,
     AusgabeUnabhaengigkeitsquotienten,
     {"Für jedes Feld der Häufigkeitstabelle (Zeilen a1 und a2, Spalten b1 … bk) die Häufigkeit "
      "h̃ᵢⱼ, die man erwarten würde, wenn die beiden Merkmale unabhängig wären (erwartete "
      "Häufigkeit). Trotz des Namens zeigt der Bericht diese erwarteten Häufigkeiten selbst, "
      "keinen Quotienten.",
      "Vergleiche jedes h̃ᵢⱼ mit der beobachteten Häufigkeit hᵢⱼ: Stimmen sie überall ungefähr "
      "überein, sind die Merkmale fast unabhängig; große Unterschiede sprechen für einen "
      "Zusammenhang. Die erwarteten Häufigkeiten haben dieselben Zeilen- und Spaltensummen wie die "
      "Tabelle und sind meist keine ganzen Zahlen. Im Bericht ist h~a1 die Zeile a1, h~a2 die "
      "Zeile a2.",
      "h̃ᵢⱼ = hᵢ. · h.ⱼ / n   (im Bericht: h~)\n"
      "Zeilensumme mal Spaltensumme, geteilt durch die Gesamtzahl n"}},
    {"Schwerpunkt",
     "SCHWERPUNKT",
     Zweidimensional,
     MitSchritten,
     AusgabeSchwerpunkt,
     {"Die beiden Listen bilden Wertepaare (xᵢ | yᵢ): x aus a1, y aus a2. Der Schwerpunkt ist "
      "der Punkt (x̄ | ȳ) aus den beiden arithmetischen Mitteln, die Mitte der Punktwolke im "
      "Streudiagramm.",
      "x̄ ist der Durchschnitt der x-Werte, ȳ der Durchschnitt der y-Werte. Die "
      "Regressionsgerade geht immer durch den Schwerpunkt. Im Bericht heißen die beiden Mittel "
      "xMitt und yMitt; sie sind auf die eingestellten Nachkommastellen gerundet.",
      "x̄ = Σxᵢ / n      ȳ = Σyᵢ / n\n"
      "n = Anzahl der Wertepaare"}},
    {"Bravais-Pearson-Korrelationskoeffizient",
     "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
     Zweidimensional,
     MitSchritten,
     AusgabeBravaisPearson,
     {"Der Korrelationskoeffizient r nach Bravais-Pearson misst, wie eng die Wertepaare "
      "(xᵢ | yᵢ) um eine Gerade liegen (linearer Zusammenhang); x kommt aus a1, y aus a2.",
      "r liegt zwischen −1 und +1. Positiv: Große x gehen mit großen y einher (steigende "
      "Punktwolke); negativ: Große x gehen mit kleinen y einher (fallende Punktwolke). Je näher "
      "r an +1 oder −1 liegt, desto enger liegen die Punkte an einer Geraden, bei ±1 genau auf "
      "ihr. r nahe 0 heißt: kein linearer Zusammenhang (ein gekrümmter ist trotzdem möglich). Sind "
      "alle x oder alle y gleich, lässt sich r nicht berechnen.",
      "r = Σ(xᵢ − x̄)(yᵢ − ȳ) / ( √Σ(xᵢ − x̄)² · √Σ(yᵢ − ȳ)² )\n"
      "gleichwertig, wie der Bericht die Formel zeigt:\n"
      "r = (Σxᵢyᵢ − n·x̄·ȳ) / ( √(Σxᵢ² − n·x̄²) · √(Σyᵢ² − n·ȳ²) )"}},
    {"Spearmen-Rangkorrelationskoeffizient",
     "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",
     Zweidimensional,
     MitSchritten,
     AusgabeSpearman,
     {"Der Rangkorrelationskoeffizient rSP nach Spearman misst, wie gut die Reihenfolge der "
      "x-Werte (a1) mit der Reihenfolge der y-Werte (a2) übereinstimmt. Er vergleicht nur "
      "Rangplätze, nicht die Werte selbst.",
      "rSP liegt zwischen −1 und +1. +1: Beide Listen haben genau dieselbe Rangfolge; −1: genau "
      "die umgekehrte; nahe 0: Die Rangfolgen hängen nicht zusammen. Anders als r erkennt rSP "
      "auch gekrümmte Zusammenhänge, solange sie immer steigen oder immer fallen, und Ausreißer "
      "stören kaum. Nötig sind mindestens zwei Wertepaare; ist eine Liste ganz gleich, lässt sich "
      "rSP nicht berechnen.",
      "rSP = 1 − 6 · Σ(Rxᵢ − Ryᵢ)² / ( (n − 1) · n · (n + 1) )\n"
      "Rxᵢ, Ryᵢ = Rangplätze von xᵢ und yᵢ (im Bericht: Rix, Riy), n = Anzahl der Paare\n"
      "Rang 1 erhält der größte Wert einer Liste, Rang 2 der nächstkleinere usw.\n"
      "Gleiche Werte erhalten den Mittelwert ihrer Rangplätze (aus 2 und 3 wird 2,5);\n"
      "eine Korrektur für gleiche Ränge gibt es nicht."},
     "Rangkorrelationskoeffizient nach Spearman"},
    {"Kontingenzkoeffizient",
     "KONTINGENZKOEFFIZIENT",
     Zweidimensional,
     MitSchritten,
     AusgabeKontingenzkoeffizient,
     {"Der Kontingenzkoeffizient misst, wie stark die beiden Merkmale der Häufigkeitstabelle "
      "(Zeilen a1 und a2, Spalten b1 … bk) zusammenhängen. Er vergleicht die beobachteten "
      "Häufigkeiten hᵢⱼ mit den bei Unabhängigkeit erwarteten Häufigkeiten h̃ᵢⱼ.",
      "chi² ist 0, wenn jede Häufigkeit genau der erwarteten entspricht, und wächst mit den "
      "Abweichungen. K liegt zwischen 0 und Kmax; bei zwei Zeilen ist Kmax = √0,5 ≈ 0,707. Der "
      "korrigierte Kontingenzkoeffizient K* = K / Kmax liegt zwischen 0 und 1: 0 heißt kein "
      "Zusammenhang (unabhängig), 1 vollständiger Zusammenhang. Eine Richtung (positiv oder "
      "negativ) gibt es hier nicht.",
      "h̃ᵢⱼ = hᵢ. · h.ⱼ / n\n"
      "chi² = Σᵢ Σⱼ (hᵢⱼ − h̃ᵢⱼ)² / h̃ᵢⱼ\n"
      "K = √( chi² / (n + chi²) )\n"
      "Kmax = √( (M − 1) / M ) mit M = 2, denn die Tabelle hat zwei Zeilen\n"
      "K* = K / Kmax"}},
    {"Lineare Regression",
     "LINEARE REGRESSION",
     Zweidimensional,
     MitSchritten,
     AusgabeLineareRegression,
     {"Die lineare Regression legt durch die Punkte (xᵢ | yᵢ) die Gerade ŷ = â + b̂ · x, die am "
      "besten passt: Die Summe der quadrierten Abstände in y-Richtung Σ(yᵢ − ŷᵢ)² ist so klein wie "
      "möglich (Methode der kleinsten Quadrate). x kommt aus a1, y aus a2.",
      "b̂ ist die Steigung: Wächst x um 1, ändert sich ŷ um b̂. Ist b̂ positiv, steigt die "
      "Gerade, ist es negativ, fällt sie, bei 0 ist sie waagrecht. â ist der y-Achsenabschnitt, "
      "der Wert der Geraden bei x = 0. Mit der Geraden schätzt man zu einem x den passenden "
      "y-Wert. Sind alle x gleich, gibt es keine solche Gerade. Im Bericht heißen die beiden ^b "
      "und ^a.",
      "b̂ = Σ(xᵢ − x̄)(yᵢ − ȳ) / Σ(xᵢ − x̄)²\n"
      "gleichwertig, wie der Bericht die Formel zeigt: b̂ = (Σxᵢyᵢ − n·x̄·ȳ) / (Σxᵢ² − n·x̄²)\n"
      "â = ȳ − b̂ · x̄"}},
    {"Determinationskoeffizient",
     "DETERMINATIONSKOEFFIZIENT",
     Zweidimensional,
     MitSchritten,
     AusgabeDeterminationskoeffizient,
     {"Der Determinationskoeffizient (das Bestimmtheitsmaß) R² gibt an, welcher Anteil der "
      "Streuung der y-Werte (a2) durch die Regressionsgerade ŷ = â + b̂ · x erklärt wird.",
      "R² liegt zwischen 0 und 1 (mal 100 ergibt Prozent). R² = 1: Alle Punkte liegen genau auf "
      "der Geraden. R² nahe 0: Die Gerade erklärt die y-Werte kaum. R² ist das Quadrat des "
      "Korrelationskoeffizienten r. Sind alle x oder alle y gleich, lässt es sich nicht "
      "berechnen.",
      "ŷᵢ = â + b̂ · xᵢ   (die Werte auf der Regressionsgeraden)\n"
      "R² = Σ(ŷᵢ − ȳ)² / Σ(yᵢ − ȳ)²\n"
      "gleichwertig, wie der Bericht die Formel zeigt: R² = (Σŷᵢ² − n·ȳ²) / (Σyᵢ² − n·ȳ²)"}},
    {"Kovarianz",
     "KOVARIANZ",
     Zweidimensional,
     MitSchritten,
     AusgabeKovarianz,
     {"Die Kovarianz sxy misst, ob die Wertepaare (xᵢ | yᵢ) gemeinsam steigen oder fallen: der "
      "Durchschnitt der Produkte der Abstände von x̄ und ȳ; x kommt aus a1, y aus a2.",
      "Positiv: Große x gehen mit großen y einher; negativ: große x mit kleinen y; nahe 0: kein "
      "linearer Zusammenhang. Ihre Größe hängt von den Einheiten ab, deshalb vergleicht man "
      "besser den Korrelationskoeffizienten r = sxy / (sx · sy). Der Bericht zeigt sie mit dem "
      "Teiler n und daneben mit n − 1 (sxy(n-1)), wie sie Taschenrechner für Stichproben geben.",
      "sxy = Σ(xᵢ − x̄)(yᵢ − ȳ) / n\n"
      "sxy(n-1) = Σ(xᵢ − x̄)(yᵢ − ȳ) / (n − 1)\n"
      "n = Anzahl der Wertepaare"}},
};

// Every row brings its help, with all three parts: a row without one does not compile.
constexpr bool AlleMitHilfe() {
    for (const Statistik& s : kStatistiken)
        if (s.Hilfe.Misst.empty() || s.Hilfe.Ablesen.empty() || s.Hilfe.Formel.empty())
            return false;
    return true;
}
static_assert(AlleMitHilfe(), "a statistic without its help (Misst, Ablesen, Formel)");

}  // namespace

std::span<const Statistik> AlleStatistiken() {
    return kStatistiken;
}

std::vector<std::string> ListenEintraege(bool zweidimensional) {
    std::vector<std::string> eintraege;
    for (const Statistik& s : kStatistiken)
        if (s.Zweidimensional == zweidimensional) eintraege.emplace_back(s.Text);
    return eintraege;
}

const Statistik* StatistikZuText(std::string_view text) {
    for (const Statistik& s : kStatistiken)
        if (s.Text == text) return &s;
    return nullptr;
}

const Statistik* StatistikZuAbschnitt(void (*abschnitt)(Laufkontext&)) {
    for (const Statistik& s : kStatistiken)
        if (s.Routine == abschnitt) return &s;
    return nullptr;
}

bool DetailGewuenscht(const std::vector<Listeneintrag>& eintraege) {
    for (const Listeneintrag& e : eintraege) {
        if (!e.Ausgewaehlt) continue;
        const Statistik* s = StatistikZuText(e.Text);
        if (s != nullptr && s->MitBerechnungsschritten) return true;
    }
    return false;
}

void AbschnittSchreiben(const Statistik& statistik, Laufkontext& k) {
    k.Titel = statistik.Titel;
    try {
        statistik.Routine(k);
    } catch (const Laufzeitfehler& fehler) {
        k.Add(fehler.what());
    }
}

}  // namespace zv

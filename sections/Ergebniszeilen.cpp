#include "sections/Ergebniszeilen.h"

namespace zv {

std::string ModusZeile(const Zahlformat& f, const std::vector<double>& modi) {
    if (modi.size() < 2) return "Modus: kein Modus gefunden!";
    std::vector<std::string> texte;
    texte.reserve(modi.size() - 1);
    for (std::size_t i = 1; i < modi.size(); ++i) texte.push_back(f.Voll(modi[i]));
    return "Modus: " + f.Verbunden(texte);
}

std::string MedianZeile(const Zahlformat& f, double median) {
    return "Median: " + f.Voll(median);
}

std::string MittelwertZeile(const Zahlformat& f, double mittel) {
    return "Mittelwert: " + f.Gerundet(mittel);
}

std::string SpannweiteZeile(const Zahlformat& f, double sp) {
    return "SP: " + f.Gerundet(sp);
}

std::string StandardabweichungZeile(const Zahlformat& f, double s) {
    return "s: " + f.Gerundet(s);
}

std::string SchwerpunktXZeile(const Zahlformat& f, double xMitt) {
    return "xMitt = " + f.Gerundet(xMitt);
}

std::string SchwerpunktYZeile(const Zahlformat& f, double yMitt) {
    return "yMitt = " + f.Gerundet(yMitt);
}

std::string BravaisPearsonZeile(const Zahlformat& f, double r) {
    return "r: " + f.Gerundet(r);
}

std::string SpearmanZeile(const Zahlformat& f, double rSP) {
    return "rSP: " + f.Gerundet(rSP);
}

std::string SteigungZeile(const Zahlformat& f, double b) {
    return "^b = " + f.Gerundet(b);
}

std::string AchsenabschnittZeile(const Zahlformat& f, double a) {
    return "^a = " + f.Gerundet(a);
}

std::string DeterminationZeile(const Zahlformat& f, double R2) {
    return "R² = " + f.Gerundet(R2);
}

std::string Chi2Zeile(const Zahlformat& f, double chi2) {
    return "chi² = " + f.Gerundet(chi2);
}

std::string KontingenzZeile(const Zahlformat& f, double K) {
    return "K = " + f.Gerundet(K);
}

std::string KorrigierteKontingenzZeile(const Zahlformat& f, double KStern) {
    return "K* = " + f.Gerundet(KStern);
}

}  // namespace zv

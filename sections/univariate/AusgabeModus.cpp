// "Modus": every value of the highest count (at least two), in order of first appearance.

#include "sections/Laufkontext.h"

namespace zv {

void AusgabeModus(Laufkontext& k) {
    k.Add(k.Titel);
    if (!k.M1.empty()) {
        const std::vector<double> modi = k.Stat.Modus(k.M1);
        if (modi.size() < 2) {
            k.Add("Modus: kein Modus gefunden!");
        } else {
            std::vector<std::string> texte;
            for (std::size_t i = 1; i < modi.size(); ++i) texte.push_back(k.Voll(modi[i]));
            k.AddVerbunden("Modus: ", texte);
        }
    }
    k.Add("");
}

}  // namespace zv

// "Modus": every value of the highest count (at least two), in order of first appearance.

#include "core/Rechenlauf.h"

namespace zv {

void clsRechenlauf::AusgabeModus() {
    Add("MODUS");
    if (M1Max >= 0) {
        const std::vector<double> modi = Stat.Modus(M1);
        if (modi.size() < 2) {
            Add("Modus: kein Modus gefunden!");
        } else {
            std::vector<std::string> texte;
            for (std::size_t i = 1; i < modi.size(); ++i) texte.push_back(Voll(modi[i]));
            AddVerbunden("Modus: ", texte);
        }
    }
    Add("");
}

}  // namespace zv

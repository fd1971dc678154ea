#include "sections/Laufkontext.h"

#include "base/Text.h"
#include "base/Zahltext.h"

namespace zv {

std::string Laufkontext::Voll(double x) const {
    return VollText(x, dezimal_);
}

std::string Laufkontext::Gerundet(double x) const {
    return GerundetText(x, Nks, dezimal_);
}

std::string Laufkontext::Verbunden(const std::vector<std::string>& teile) const {
    return Verbinden(teile, Ausgabetrennzeichen);
}

}  // namespace zv

#include "run/Zufallsdaten.h"

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace zv {

namespace {

constexpr double MikrosekundenProTag = 86400.0 * 1e6;

}  // namespace

double Systemuhr::Jetzt() {
    const auto seitEpoche = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    // Around 20000 days a double still resolves far below a microsecond.
    return static_cast<double>(seitEpoche.count()) / MikrosekundenProTag;
}

void Zufallsquelle::Saeen(double startwert) {
    const auto bits = std::bit_cast<std::uint64_t>(startwert);
    std::seed_seq folge{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    generator_.seed(folge);
}

float Zufallsquelle::Ziehen() {
    // The upper 24 bits give every single-precision multiple of 2^-24 in [0, 1) equally often.
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

int ZufallszahlRunden(float r, int faktor) {
    // A 24-bit mantissa times a small whole number plus one is exact in double precision,
    // so the rounding sees the true value; nearbyint rounds halves to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(r) * faktor + 1.0));
}

std::optional<Zufallsdaten> ZufallsdatenErzeugen(std::int16_t anzahl, std::string_view trennzeichen,
                                                 IUhr& uhr, IZufallsquelle& zufall) {
    if (anzahl < 1) return std::nullopt;
    Zufallsdaten daten;
    for (int i = 1; i <= anzahl; ++i) {
        zufall.Saeen(uhr.Jetzt() + i);
        const int a = ZufallszahlRunden(zufall.Ziehen(), 99);
        zufall.Saeen(uhr.Jetzt() - i);
        const int b = ZufallszahlRunden(zufall.Ziehen(), a > 9 ? 99 : 9);
        if (i > 1) {
            daten.txtM1 += trennzeichen;
            daten.txtM2 += trennzeichen;
        }
        daten.txtM1 += std::to_string(a);
        daten.txtM2 += std::to_string(b);
    }
    return daten;
}

}  // namespace zv

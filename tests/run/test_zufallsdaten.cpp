#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "run/Zufallsdaten.h"

namespace {

// A clock that advances by a fixed step on every reading.
struct Testuhr : zv::IUhr {
    double t, schritt;
    Testuhr(double start, double s) : t(start), schritt(s) {}
    double Jetzt() override { return std::exchange(t, t + schritt); }
};

// Hands out prepared numbers in order and records every seed.
struct Testquelle : zv::IZufallsquelle {
    std::vector<float> zahlen;
    std::vector<double> saaten;
    std::size_t gezogen = 0;
    explicit Testquelle(std::vector<float> z) : zahlen(std::move(z)) {}
    void Saeen(double startwert) override { saaten.push_back(startwert); }
    float Ziehen() override { return zahlen.at(gezogen++); }
};

TEST(Zufallsdaten, RundetKoppeltUndSaetVorJederZiehung) {
    constexpr float fast1 = 1.0f - 0x1p-24f;  // the largest draw below 1
    // Pairs (first box, second box). 50.5 goes down to the even 50, 5.5 up to the even 6; a
    // first value of 9 or less draws the second from 1..10 (fast1 * 9 + 1 -> 10), 10 or more
    // from 1..100 (0.5 * 99 + 1 -> 50).
    Testquelle quelle(
        {0.5f, 0.5f, 0.05f, 0.5f, fast1, fast1, 0.0f, fast1, 0.09f, 0.5f, 0.08f, 0.5f});
    Testuhr uhr(45000.5, 0.125);
    const auto daten = zv::ZufallsdatenErzeugen(6, ";", uhr, quelle);
    ASSERT_TRUE(daten.has_value());
    EXPECT_EQ(daten->txtM1, "50;6;100;1;10;9");
    EXPECT_EQ(daten->txtM2, "50;6;100;10;50;6");
    // The clock is read anew before every draw: plus i for value i of the first box, minus i
    // for the second.
    ASSERT_EQ(quelle.saaten.size(), 12u);
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(quelle.saaten[k], 45000.5 + 0.125 * k + (k % 2 ? -1.0 : 1.0) * (k / 2 + 1)) << k;
    EXPECT_FALSE(zv::ZufallsdatenErzeugen(0, " ", uhr, quelle).has_value());
    EXPECT_EQ(quelle.saaten.size(), 12u);
}

TEST(Zufallsdaten, EchteQuelleZiehtAusNullBisEins) {
    // That two requests within one second differ is driven through the window.
    zv::Zufallsquelle quelle;
    for (int i = 0; i < 20000; ++i) {
        if (i % 100 == 0) quelle.Saeen(45000.0 + i / 7.0);
        const float r = quelle.Ziehen();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/Zufallsdaten.h"

namespace {

using zv::Antwortart;

// A clock that advances by a fixed step on every reading.
class Testuhr : public zv::IUhr {
  public:
    explicit Testuhr(double start, double schritt = 0.0) : jetzt_(start), schritt_(schritt) {}
    double Jetzt() override {
        const double t = jetzt_;
        jetzt_ += schritt_;
        return t;
    }

  private:
    double jetzt_;
    double schritt_;
};

// Hands out prepared numbers in order and records every seed.
class Testquelle : public zv::IZufallsquelle {
  public:
    explicit Testquelle(std::vector<float> zahlen) : zahlen_(std::move(zahlen)) {}
    void Saeen(double startwert) override { Saaten.push_back(startwert); }
    float Ziehen() override { return zahlen_.at(naechste_++); }
    std::vector<double> Saaten;

  private:
    std::vector<float> zahlen_;
    std::size_t naechste_ = 0;
};

std::vector<int> Zahlen(const std::string& text, char trenn) {
    std::vector<int> werte;
    std::stringstream s(text);
    std::string teil;
    while (std::getline(s, teil, trenn)) werte.push_back(std::stoi(teil));
    return werte;
}

constexpr float GroessteUnterEins = 1.0f - 0x1p-24f;

TEST(Zufallsdaten, RundetHalbeZurGeradenNachbarzahl) {
    struct Fall {
        float r;
        int faktor;
        int erwartet;
    };
    const Fall faelle[] = {
        {0.0f, 99, 1},  {GroessteUnterEins, 99, 100},  // both ends of 1..100
        {0.5f, 99, 50},                                // 50.5 goes down to the even 50
        {0.5f, 9, 6},                                  // 5.5 goes up to the even 6
        {0.0f, 9, 1},   {GroessteUnterEins, 9, 10},   {0.25f, 99, 26},  // 25.75
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zv::ZufallszahlRunden(f.r, f.faktor), f.erwartet) << f.r << " * " << f.faktor;
}

TEST(Zufallsdaten, FolgtDenGezogenenZahlenUndKoppeltKleineWerte) {
    // Pairs: (first box, second box). A first value of 9 or less draws the second from 1..10.
    Testuhr uhr(45000.25);
    Testquelle quelle({0.5f, 0.5f, 0.05f, 0.9f, GroessteUnterEins, GroessteUnterEins, 0.0f, 0.99f});
    const auto daten = zv::ZufallsdatenErzeugen(4, ";", uhr, quelle);
    ASSERT_TRUE(daten.has_value());
    // 0.05 * 99 + 1 = 5.95 -> 6, so the second value is 0.9 * 9 + 1 = 9.1 -> 9; likewise
    // 0.99 * 9 + 1 = 9.91 -> 10 after a first value of 1.
    EXPECT_EQ(daten->txtM1, "50;6;100;1");
    EXPECT_EQ(daten->txtM2, "50;9;100;10");
}

TEST(Zufallsdaten, SaetVorJederZiehungAusDerUhrMitIndex) {
    Testuhr uhr(45000.5, 0.001);
    Testquelle quelle(std::vector<float>(6, 0.3f));
    ASSERT_TRUE(zv::ZufallsdatenErzeugen(3, " ", uhr, quelle).has_value());
    // The clock is read anew before every draw: +i for the first box, -i for the second.
    const std::vector<double> erwartet = {45000.5 + 1,   45000.501 - 1, 45000.502 + 2,
                                          45000.503 - 2, 45000.504 + 3, 45000.505 - 3};
    ASSERT_EQ(quelle.Saaten.size(), erwartet.size());
    for (std::size_t k = 0; k < erwartet.size(); ++k)
        EXPECT_DOUBLE_EQ(quelle.Saaten[k], erwartet[k]) << k;
}

TEST(Zufallsdaten, KeineWerteOhnePositiveAnzahl) {
    Testuhr uhr(45000.0);
    Testquelle quelle({});
    EXPECT_FALSE(zv::ZufallsdatenErzeugen(0, " ", uhr, quelle).has_value());
    EXPECT_FALSE(zv::ZufallsdatenErzeugen(-5, " ", uhr, quelle).has_value());
    EXPECT_TRUE(quelle.Saaten.empty());
}

TEST(Zufallsdaten, EchteQuelleBleibtImBereichUndKoppelt) {
    zv::Zufallsquelle quelle;
    for (int lauf = 0; lauf < 50; ++lauf) {
        Testuhr uhr(45000.0 + lauf * 0.37);
        const auto daten = zv::ZufallsdatenErzeugen(99, " ", uhr, quelle);
        ASSERT_TRUE(daten.has_value());
        const auto a = Zahlen(daten->txtM1, ' ');
        const auto b = Zahlen(daten->txtM2, ' ');
        ASSERT_EQ(a.size(), 99u);
        ASSERT_EQ(b.size(), 99u);
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_GE(a[i], 1);
            EXPECT_LE(a[i], 100);
            EXPECT_GE(b[i], 1);
            EXPECT_LE(b[i], a[i] <= 9 ? 10 : 100);
        }
    }
}

TEST(Zufallsdaten, ZweiAnforderungenInDerselbenSekundeUnterscheidenSich) {
    // Half a second apart: a clock read in whole seconds would give both requests one seed
    // and so the same numbers.
    zv::Zufallsquelle quelle;
    const double t = 45000.0 + 3600.0 / 86400.0;
    Testuhr frueh(t), spaet(t + 0.5 / 86400.0), gleich(t);
    const auto a = zv::ZufallsdatenErzeugen(20, " ", frueh, quelle);
    const auto b = zv::ZufallsdatenErzeugen(20, " ", spaet, quelle);
    const auto c = zv::ZufallsdatenErzeugen(20, " ", gleich, quelle);
    EXPECT_NE(a->txtM1, b->txtM1);
    EXPECT_EQ(a->txtM1, c->txtM1);  // the seed alone decides the sequence
    EXPECT_EQ(a->txtM2, c->txtM2);
}

TEST(Zufallsdaten, SystemuhrAufloesungUnterEinerSekunde) {
    zv::Systemuhr uhr;
    const double vorher = uhr.Jetzt();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double nachher = uhr.Jetzt();
    EXPECT_GT(nachher, vorher);
    EXPECT_LT((nachher - vorher) * 86400.0, 1.0);
    EXPECT_GT(vorher, 43000.0);  // a day count after the year 2017
}

TEST(Zufallsdaten, AntwortDesDialogs) {
    struct Fall {
        const char* antwort;
        const char* dezimal;
        Antwortart art;
        int anzahl;
    };
    // The window tests drive the everyday answers through the dialog; these are the rest.
    const Fall faelle[] = {
        {"5x", ".", Antwortart::NichtNumerisch, 0},
        {"-3", ".", Antwortart::AusserhalbBereich, 0},
        {"0.5", ".", Antwortart::AusserhalbBereich, 0},  // half to even: 0
        {"1.5", ".", Antwortart::NeueAnzahl, 2},
        {"99.4", ".", Antwortart::NeueAnzahl, 99},
        // Beyond any 16-bit or even double range: a message, never an overflow.
        {"1e10", ".", Antwortart::AusserhalbBereich, 0},
        {"1e999", ".", Antwortart::AusserhalbBereich, 0},
        // Decimal comma: the numeric test takes "2,5", the leading number stops at the comma.
        {"2,5", ",", Antwortart::NeueAnzahl, 2},
        {"2.5", ",", Antwortart::NichtNumerisch, 0},
    };
    for (const Fall& f : faelle) {
        const auto p = zv::AnzahlAntwortPruefen(f.antwort, f.dezimal);
        EXPECT_EQ(p.Art, f.art) << '"' << f.antwort << '"';
        if (f.art == Antwortart::NeueAnzahl) {
            EXPECT_EQ(p.Anzahl, f.anzahl) << f.antwort;
        }
    }
}

}  // namespace

#pragma once
// Random exercise data for the two input boxes. The clock and the random source are reached
// through small interfaces, so the window plugs in the real ones and tests plug in their own.
// The question for their number is the window's (ui/Anzahlfrage.h).

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace zv {

// The current date and time as a day count with the time of day as fraction, resolved well
// below one second (so two requests within the same second still get different seeds).
class IUhr {
  public:
    virtual ~IUhr() = default;
    virtual double Jetzt() = 0;
};

// A re-seedable uniform random source.
class IZufallsquelle {
  public:
    virtual ~IZufallsquelle() = default;
    // Starts a new sequence determined by the seed alone.
    virtual void Saeen(double startwert) = 0;
    // The next number r of the sequence, 0 <= r < 1, in single precision.
    virtual float Ziehen() = 0;
};

// The system clock in days since its own epoch, microsecond resolution.
class Systemuhr : public IUhr {
  public:
    double Jetzt() override;
};

// Mersenne twister seeded from every bit of the seed value.
class Zufallsquelle : public IZufallsquelle {
  public:
    void Saeen(double startwert) override;
    float Ziehen() override;

  private:
    std::mt19937 generator_;
};

// r * faktor + 1 rounded to the nearest whole number, halves to the even neighbour; the
// product and sum are exact in double precision.
int ZufallszahlRunden(float r, int faktor);

struct Zufallsdaten {
    std::string txtM1;
    std::string txtM2;
};

// Anzahl random whole numbers per box, joined with the separator. Every draw is preceded by
// a re-seeding from the clock, read anew each time: the clock plus i before value i of the
// first box, the clock minus i before value i of the second. The first box gets 1..100;
// the second 1..100 where the first's value exceeds 9, else 1..10. Nothing for anzahl < 1.
std::optional<Zufallsdaten> ZufallsdatenErzeugen(std::int16_t anzahl, std::string_view trennzeichen,
                                                 IUhr& uhr, IZufallsquelle& zufall);

}  // namespace zv

#pragma once
// The typical mistakes learners make, one row each: the result it belongs to, a German sentence
// with the learner's numbers, and the wrong computation, made of the engine's parts as the
// right one is.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "uebung/Aufgabe.h"

namespace zv {

// The result of a wrong computation and the numbers its sentence names, as "{name}" -> text.
struct Fehlrechnung {
    double Wert = 0;
    std::vector<std::pair<std::string, std::string>> Zahlen;
};

struct Fehlerbild {
    std::string_view Name;  // the row it belongs to, as the report labels it
    // The sentence; "{antwort}" is the learner's number, the other "{...}" the computation's.
    std::string_view Satz;
    // Nothing where the mistake cannot be made on these data (an odd n for the middle
    // position, no tied values for the ranks); a run-time error counts the same.
    std::optional<Fehlrechnung> (*Rechnung)(const Aufgabe& aufgabe);
};

// Every catalogued mistake.
std::span<const Fehlerbild> AlleFehlerbilder();

// The wrong computation of a mistake on the task's data, or nothing (errors caught).
std::optional<Fehlrechnung> FehlerRechnen(const Fehlerbild& fehler, const Aufgabe& aufgabe);

// The sentence of a mistake with its numbers and the learner's answer filled in.
std::string FehlerSatz(const Fehlerbild& fehler, const Fehlrechnung& rechnung,
                       std::string_view antwort);

// The sentence of the first catalogued mistake of the row whose result the answer is at the
// task's places, where that result is not also the truth at those places; else empty.
// antworttext: the learner's number as the sentence shows it.
std::string FehlerErkennen(const Aufgabe& aufgabe, const Antwortzeile& zeile, double antwort,
                           std::string_view antworttext);

}  // namespace zv

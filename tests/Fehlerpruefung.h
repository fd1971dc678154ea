#pragma once
// The kind of run-time error a call raises.

#include <gtest/gtest.h>

#include "base/Laufzeitfehler.h"

namespace zvtest {

inline zv::Fehlerart FehlerBeim(auto&& f) {
    try {
        f();
    } catch (const zv::Laufzeitfehler& e) {
        return e.Art();
    }
    ADD_FAILURE() << "no error";
    return zv::Fehlerart::Ueberlauf;
}

}  // namespace zvtest

// How the holidays are kept: the Israel or the Diaspora observance.
#pragma once

#include <cstdint>

// The stored setting keeps its number (1 Israel, 2 Diaspora) and may hold any other; every value other than 2
// selects the Israel table and the Israel names.
enum class Observance : std::int32_t { Israel = 1, Diaspora = 2 };

constexpr bool IsDiaspora(Observance observance) {
    return observance == Observance::Diaspora;
}

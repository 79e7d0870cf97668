#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace pendra {

// The six measures of one triangle, indexed 1 to 3 as the user sees them:
// Angulo(i), in radians, is the angle opposite Lado(i). A value greater than 0
// is a known measure; 0 is a missing one, or no triangle once a solver has run.
class Medidas {
public:
    double& Angulo(std::uint8_t i) { return angulo_[Posicion(i)]; }
    double Angulo(std::uint8_t i) const { return angulo_[Posicion(i)]; }
    double& Lado(std::uint8_t i) { return lado_[Posicion(i)]; }
    double Lado(std::uint8_t i) const { return lado_[Posicion(i)]; }

private:
    static std::size_t Posicion(std::uint8_t i) {
        assert(i >= 1 && i <= 3 && "measure index outside 1 to 3");
        return static_cast<std::size_t>(i - 1);
    }

    std::array<double, 3> angulo_{};
    std::array<double, 3> lado_{};
};

}  // namespace pendra

// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The core's last resort where doubles cannot settle a value: 1280 bits of
// Boost's binary floating point, whose operations round correctly and alike
// on every build. One precision, and one π and one series for all who need
// them: each copy of Boost's code weighs on the page.
#include <boost/multiprecision/cpp_bin_float.hpp>

namespace pendra::mate {

using Enorme = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<1280, boost::multiprecision::digit_base_2>,
    boost::multiprecision::et_off>;

// π, rounded to Enorme's precision.
const Enorme& PiEnorme();

// sin(r) or cos(r) for |r| up to a right angle, by the Taylor series, to a
// few units in Enorme's last bit of the largest term.
Enorme SenoCosenoSerie(const Enorme& r, bool coseno);

}  // namespace pendra::mate

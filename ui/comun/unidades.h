// SPDX-FileCopyrightText: Pendra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace pendra {

// Both windows are laid out in twips; 15 twips make one device-independent
// pixel, and Qt scales those for high-density screens on its own.
inline constexpr int kTwipsPorPixel = 15;

// The drawing, and every image or file made of it, is stated in the pixels of
// a 96 dpi screen.
inline constexpr double kDpiPantalla = 96;

}  // namespace pendra

#pragma once

#include <string>
#include <string_view>

namespace ms {

// Knots shown for a speed value depend on the template the ship was derived from: the sailing-ship
// templates have a range between full and slack wind, every other ship one speed.
double MaxSpeedFactor(std::string_view templateGuid);
double MinSpeedFactor(std::string_view templateGuid);

// "0.####" with the display separator, followed by " kn.": 15.84 -> "15,84 kn.", 4.0 -> "4 kn.".
std::string FormatKnots(double knots, bool decimalIsPoint);

} // namespace ms

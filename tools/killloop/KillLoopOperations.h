#pragma once

#include <random>
#include <string>

namespace killloop {

// Runs one operation chosen at random, the way a window would call the core, and returns its name.
// A refusal or a failure of the operation (ms::Error) is part of the game and is swallowed.
std::string RunRandomOperation(std::mt19937& random);

} // namespace killloop

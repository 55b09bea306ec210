#pragma once

#include <string>
#include <string_view>

namespace ms {

// The form of a ship name used in mod folder names, mod identifiers and trigger names: the German
// umlauts and ß spelled out ("Königl." -> "Koenigl."), everything else unchanged.
std::string TransliterateUmlauts(std::string_view text);

} // namespace ms

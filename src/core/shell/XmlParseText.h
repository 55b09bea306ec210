#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace ms {

// The German text of a parse status, as every message about a file that is no valid XML shows it
// ("fehlerhaftes Attribut").
std::string_view xmlParseStatusText(pugi::xml_parse_status status);

// Why parsing `size` bytes failed, with the position: "fehlerhaftes Attribut (Zeichen 12)". A fault
// at the very end of the bytes says that the file ends too early, since that is what the user has
// to mend.
std::string xmlParseFault(const pugi::xml_parse_result& result, std::size_t size);

} // namespace ms

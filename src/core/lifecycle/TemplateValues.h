#pragma once

#include <map>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace ms {

// What the ship's template holds for every compared panel field, keyed by the field's control name
// and held in the form the field shows it (display decimals, seconds), except CraftingTime, which
// keeps the stored milliseconds. A field the template lacks compares against "0".
class TemplateValues {
  public:
    using Values = std::map<std::string, std::string, std::less<>>;

    // The value for a field; "0" when the template has none.
    const std::string& text(std::string_view field) const;
    void set(std::string_view field, std::string text);
    const Values& values() const { return m_values; }

  private:
    Values m_values;
};

// Reads the comparison values from a template record (a `Values` element of the pristine file).
// A null record yields "0" everywhere.
TemplateValues CollectTemplateValues(pugi::xml_node templateValues, bool decimalIsPoint);

// The same for the ship `guid` of the open working file: its template record is found through
// `Standard/Base` in the pristine file (FindTemplateValues).
TemplateValues CollectTemplateValues(std::string_view guid, bool decimalIsPoint);

} // namespace ms

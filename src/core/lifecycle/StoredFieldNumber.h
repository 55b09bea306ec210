#pragma once

#include "lifecycle/NumberFieldSpec.h"

#include <string>
#include <string_view>

namespace ms {

// A number field's shown text in the form the data files take, or why it cannot be stored.
struct StoredFieldNumber {
    std::string text;  // plain digits, decimals in their shortest form: "2," as "2", ",50" as "0.5"
    std::string fault; // empty when the text can be stored
};

// Checks the shown text against the field's kind and bounds, whatever the window allowed: it may
// come from pasted text or a hand-edited data file. Both separators count as decimal point, as the
// stored text has "." for either. The fault begins in lower case and names the field by its caption,
// for the caller to put behind its own first words, for example
//   der Wert "0" im Feld "Baufreigabe ab" liegt nicht zwischen 1 und 1000.
// `decimalIsPoint` only chooses how the bounds are written in it; the shown text is quoted visibly.
StoredFieldNumber StoreFieldNumber(const NumberFieldSpec& spec, std::string_view shown, bool decimalIsPoint);

// The unlock condition, the population level (WorkForceGUID) and its count (WorkAmount), as a
// record, an index entry or a mod's trigger takes it: the stored count, or why the condition cannot
// be written (a level none of the eight, a count outside 1 to 1000); same wording as above.
StoredFieldNumber StoreUnlockCount(std::string_view workForce, std::string_view workAmount);

} // namespace ms

// A ship design file from a stranger: reading it either refuses it with a message or gives a
// design whose numbers are in their normal form and that the writer puts out again as a file that
// reads back to the same values.
#include "FuzzSupport.h"

#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipDesign.h"
#include "lifecycle/StoredFieldNumber.h"
#include "shell/Error.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    ms::ShipDesign design;
    try {
        design = ms::ReadShipDesign(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ms::Error&) {
        return 0;
    }
    for (const auto& [field, text] : design.values)
        if (const std::optional<ms::NumberFieldSpec> spec = ms::shipNumberField(field, "Steam"))
            if (ms::StoreFieldNumber(*spec, text, true).text != text)
                fuzz::finding("a number read from a design is not in its normal form: " + field);
    std::string bytes;
    try {
        bytes = ms::WriteShipDesignBytes(design);
    } catch (const ms::Error& error) {
        fuzz::finding(std::string("a design that was read cannot be written: ") + error.what());
    }
    try {
        const ms::ShipDesign again = ms::ReadShipDesign(bytes);
        if (again != design)
            fuzz::finding("a written design reads back with other values");
    } catch (const ms::Error& error) {
        fuzz::finding(std::string("a written design cannot be read back: ") + error.what());
    }
    return 0;
}

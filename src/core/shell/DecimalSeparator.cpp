#include "shell/DecimalSeparator.h"

namespace ms {

bool decimalIsPointFor(const std::string& systemSeparator) { return systemSeparator.substr(0, 10) == "."; }

} // namespace ms

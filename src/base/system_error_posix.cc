// Host build: there are no system message tables to consult.
#include "base/system_error.h"

namespace base {

std::string FormatSystemError(uint32_t code) { return ComposeSystemErrorText(code, {}); }

}  // namespace base

// Text for a numeric system error code, as log statements carry it.
#ifndef BASE_SYSTEM_ERROR_H_
#define BASE_SYSTEM_ERROR_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// "<code>, <system text>", where the system text is the system's US English message for |code|
// (trailing line break included), or one from the network libraries' message tables, or
// "unknown error 0x<hex>\n" when nobody knows the code.
std::string FormatSystemError(uint32_t code);

// The composition rule of FormatSystemError, given the text found (empty when none was).
std::string ComposeSystemErrorText(uint32_t code, std::string_view system_text);

}  // namespace base

#endif  // BASE_SYSTEM_ERROR_H_

#include "base/system_error.h"

#include <cstdio>

namespace base {

std::string ComposeSystemErrorText(uint32_t code, std::string_view system_text) {
  std::string text = std::to_string(code);
  text += ", ";
  if (!system_text.empty()) {
    text += system_text;
  } else {
    char hex[32];
    std::snprintf(hex, sizeof(hex), "unknown error 0x%lx\n", static_cast<unsigned long>(code));
    text += hex;
  }
  return text;
}

}  // namespace base

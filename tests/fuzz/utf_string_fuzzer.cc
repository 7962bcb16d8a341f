// UTF-8 from outside (paths, configuration text) must decode to valid wide text and back without
// faults; valid input must survive the round trip unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/utf_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::wstring wide = base::Utf8ToWide(input);
  const std::string again = base::WideToUtf8(wide);
  // What comes back is valid UTF-8, so a second pass changes nothing.
  if (base::WideToUtf8(base::Utf8ToWide(again)) != again) std::abort();
  if (wide.size() > size) std::abort();  // never more code units than input bytes
  return 0;
}

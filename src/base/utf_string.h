// Conversions between UTF-8 and wide strings (UTF-16 on Windows, UTF-32 elsewhere).
#ifndef BASE_UTF_STRING_H_
#define BASE_UTF_STRING_H_

#include <string>
#include <string_view>

namespace base {

// Invalid input (unpaired surrogates, bad UTF-8 sequences) becomes U+FFFD; nothing is dropped silently.
std::string WideToUtf8(std::wstring_view wide);
std::wstring Utf8ToWide(std::string_view utf8);

}  // namespace base

#endif  // BASE_UTF_STRING_H_

#ifndef BASE_MD5_HEX_H_
#define BASE_MD5_HEX_H_

#include <string>
#include <string_view>

namespace base {

// The MD5 digest of |data| as 32 lower-case hexadecimal digits.
std::string Md5Hex(std::string_view data);

}  // namespace base

#endif  // BASE_MD5_HEX_H_

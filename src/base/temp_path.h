#ifndef BASE_TEMP_PATH_H_
#define BASE_TEMP_PATH_H_

#include <string>

namespace base {

// The user's temporary directory with its trailing separator, as the system reports it; empty when
// the call fails or the path would not fit MAX_PATH.
std::wstring GetTempDirectory();

}  // namespace base

#endif  // BASE_TEMP_PATH_H_

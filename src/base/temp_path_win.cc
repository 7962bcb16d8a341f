#include <windows.h>

#include "base/temp_path.h"

namespace base {

std::wstring GetTempDirectory() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = ::GetTempPathW(MAX_PATH, buffer);
  if (length == 0 || length > MAX_PATH - 1) return std::wstring();
  return std::wstring(buffer, length);
}

}  // namespace base

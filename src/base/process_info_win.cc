#include <windows.h>

#include "base/process_info.h"

namespace base {

namespace {
// 100-ns intervals between 1601-01-01 and 1970-01-01.
constexpr int64_t kEpochDelta100ns = 116444736000000000LL;
}  // namespace

int64_t WallClockMicros() {
  FILETIME ft;
  ::GetSystemTimeAsFileTime(&ft);
  const int64_t ticks = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return (ticks - kEpochDelta100ns) / 10;
}

uint32_t CurrentProcessId() { return ::GetCurrentProcessId(); }
uint32_t CurrentThreadId() { return ::GetCurrentThreadId(); }

}  // namespace base

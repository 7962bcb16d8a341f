// The clock and ids a log statement records.
#ifndef BASE_PROCESS_INFO_H_
#define BASE_PROCESS_INFO_H_

#include <cstdint>

namespace base {

// Wall-clock time in microseconds since 1970-01-01 00:00:00 UTC.
int64_t WallClockMicros();
uint32_t CurrentProcessId();
uint32_t CurrentThreadId();

}  // namespace base

#endif  // BASE_PROCESS_INFO_H_

#include <sys/syscall.h>
#include <sys/time.h>
#include <unistd.h>

#include "base/process_info.h"

namespace base {

int64_t WallClockMicros() {
  timeval tv;
  gettimeofday(&tv, nullptr);
  return static_cast<int64_t>(tv.tv_sec) * 1000000 + tv.tv_usec;
}

uint32_t CurrentProcessId() { return static_cast<uint32_t>(getpid()); }
uint32_t CurrentThreadId() { return static_cast<uint32_t>(syscall(SYS_gettid)); }

}  // namespace base

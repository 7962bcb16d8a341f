// GoogleTest's Notification for the win32 thread model, whose C++ library has no std::mutex.
// GoogleTest documents GTEST_HAS_NOTIFICATION_ as the way to supply one; this header is force-included
// into every file that includes GoogleTest in the Windows builds.
#ifndef TESTS_GTEST_SUPPORT_NOTIFICATION_WIN_H_
#define TESTS_GTEST_SUPPORT_NOTIFICATION_WIN_H_

#ifdef __cplusplus
#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() : event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { ::CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { ::SetEvent(event_); }
  void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace internal
}  // namespace testing
#endif  // __cplusplus

#endif  // TESTS_GTEST_SUPPORT_NOTIFICATION_WIN_H_

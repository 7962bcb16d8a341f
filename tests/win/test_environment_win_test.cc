#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The tests' prefix is prepared as Windows 10; later tests rely on the version the system reports.
TEST(TestEnvironment, ReportsWindows10) {
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtl_get_version = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  ASSERT_NE(rtl_get_version, nullptr);
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  ASSERT_EQ(rtl_get_version(&info), 0);
  EXPECT_EQ(info.dwMajorVersion, 10u);
  EXPECT_EQ(info.dwMinorVersion, 0u);
}

}  // namespace

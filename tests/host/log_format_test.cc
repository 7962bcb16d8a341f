#include <gtest/gtest.h>

#include <string>

#include "zovuzerivo/file_logger.h"

namespace zovuzerivo {
namespace {

// 2025-03-01 00:00:00 UTC, in seconds since 1970.
constexpr int64_t kMarch2025 = 1740787200;
constexpr int64_t kMicros = 1000000;

std::string Prefix(int64_t time_us, uint32_t pid, uint32_t tid) {
  std::string prefix;
  EXPECT_TRUE(FormatLogPrefix(time_us, pid, tid, &prefix));
  return prefix;
}

TEST(LogLineFormat, MatchesTheDocumentedExample) {
  const int64_t time = (kMarch2025 + 10 * 3600 + 22 * 60 + 33) * kMicros + 123456;
  std::string location;
  ASSERT_TRUE(FormatLogLocation("wWinMain", 160, &location));
  EXPECT_EQ(FormatLogLine(Prefix(time, 4242, 5120), base::LOG_INFO, "text", location),
            "2025-03-01 10:22:33.123 4242:5120 INFO: text (wWinMain:160)\n");
}

TEST(LogLineFormat, SeverityTextsFollowTheNumericOrder) {
  EXPECT_EQ(base::LOG_INFO, 0);
  EXPECT_EQ(base::LOG_ERROR, 1);
  EXPECT_EQ(base::LOG_WARNING, 2);
  EXPECT_STREQ(LogSeverityText(base::LOG_INFO), "INFO");
  EXPECT_STREQ(LogSeverityText(base::LOG_ERROR), "ERROR");
  EXPECT_STREQ(LogSeverityText(base::LOG_WARNING), "WARNING");
  EXPECT_EQ(FormatLogLine("P ", base::LOG_WARNING, "m", " (f:1)"), "P WARNING: m (f:1)\n");
}

TEST(LogLineFormat, PrefixConvertsUtcAndPadsIds) {
  struct Case {
    int64_t time_us;
    uint32_t pid, tid;
    const char* expected;
  } cases[] = {
      {0, 7, 3, "1970-01-01 00:00:00.000 07:03 "},
      {-1, 10, 11, "1969-12-31 23:59:59.999 10:11 "},
      // Leap day, last millisecond of the day.
      {(1709251199LL) * kMicros + 999999, 4294967295u, 0, "2024-02-29 23:59:59.999 4294967295:00 "},
      {-11644473600LL * kMicros, 1, 2, "1601-01-01 00:00:00.000 01:02 "},
      // Times the clock cannot express give zero fields, not garbage.
      {-11644473600LL * kMicros - 1, 1, 2, "0000-00-00 00:00:00.000 01:02 "},
      {INT64_MAX, 1, 2, "0000-00-00 00:00:00.000 01:02 "},
  };
  for (const Case& c : cases) EXPECT_EQ(Prefix(c.time_us, c.pid, c.tid), c.expected) << c.time_us;
}

TEST(LogLineFormat, LocationLongerThanTheBufferIsRefused) {
  std::string location;
  // " (" + name + ":1" + ")" must stay below 200 bytes.
  const std::string fits(199 - 5, 'f');
  ASSERT_TRUE(FormatLogLocation(fits, 1, &location));
  EXPECT_EQ(location.size(), 199u);
  EXPECT_FALSE(FormatLogLocation(fits + "f", 1, &location));
  EXPECT_FALSE(FormatLogLocation(std::string(5000, 'g'), 1, &location));
}

TEST(LogRotation, RotatesWhenTheStatementReachesTheLimit) {
  EXPECT_TRUE(ShouldRotateLog(1048000, 500, 76, kLogFileMaxSize));
  EXPECT_FALSE(ShouldRotateLog(1048000, 500, 75, kLogFileMaxSize));
  EXPECT_FALSE(ShouldRotateLog(0, 0, 0, kLogFileMaxSize));
  // A file already past 4 GiB must not wrap around to "small".
  EXPECT_TRUE(ShouldRotateLog(0x100000000ULL + 1, 10, 10, kLogFileMaxSize));
}

TEST(LogRotation, RotatedNameAndDirectory) {
  struct Case {
    const wchar_t* path;
    const wchar_t* rotated;
    const wchar_t* directory;
  } cases[] = {
      {L"C:\\users\\k\\Temp\\lite_installer.log", L"C:\\users\\k\\Temp\\lite_installer_old.log", L"C:\\users\\k\\Temp"},
      {L"lite_installer.log", L"lite_installer_old.log", L""},
      // A dot in a directory name is not an extension.
      {L"C:\\logs.d\\installer", L"C:\\logs.d\\installer_old", L"C:\\logs.d"},
      {L"/tmp/a.b.log", L"/tmp/a.b_old.log", L"/tmp"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RotatedLogPath(c.path), c.rotated);
    EXPECT_EQ(LogDirectory(c.path), c.directory);
  }
}

TEST(LogFileNames, PathAndMutexName) {
  EXPECT_EQ(LogFilePathIn(L"C:\\users\\korvel\\Temp\\"), L"C:\\users\\korvel\\Temp\\lite_installer.log");
  EXPECT_EQ(LogFilePathIn(L""), L"lite_installer.log");
  // Digest checked against md5sum of the same UTF-8 bytes.
  const std::wstring name = LogMutexName("C:\\users\\korvel\\Temp\\lite_installer.log");
  EXPECT_EQ(name, L"zovuzerivo log 363d876b511104d09b0963025c864ba8");
  EXPECT_EQ(name.size(), 47u);
}

TEST(LogNoticesText, NoticesPrecedeTheLineInFixedOrder) {
  LogNotices all;
  all.rotation_error = -2;
  all.lock_failure = true;
  all.abandoned_mutex = true;
  EXPECT_EQ(ComposeLogText("P ", "C:\\t\\l.log", all, "P INFO: x (f:1)\n"),
            "P LOGGING: Failed to rotate log file C:\\t\\l.log: -2\n"
            "P LOGGING: Failed to lock log file C:\\t\\l.log\n"
            "P LOGGING: Abandoned log mutex recovered for file C:\\t\\l.log\n"
            "P INFO: x (f:1)\n");
  EXPECT_EQ(ComposeLogText("P ", "p", LogNotices(), "line\n"), "line\n");
  LogNotices abandoned_only;
  abandoned_only.abandoned_mutex = true;
  EXPECT_EQ(ComposeLogText("P ", "p", abandoned_only, "line\n"),
            "P LOGGING: Abandoned log mutex recovered for file p\nline\n");
}

}  // namespace
}  // namespace zovuzerivo

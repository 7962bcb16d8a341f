#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "base/log_statement.h"
#include "base/utf_string.h"
#include "test_support_win.h"
#include "zovuzerivo/file_logger.h"

namespace zovuzerivo {
namespace {

// 2025-03-01 10:22:33.123 UTC.
constexpr int64_t kTime = (1740787200LL + 10 * 3600 + 22 * 60 + 33) * 1000000 + 123000;
constexpr char kPrefix[] = "2025-03-01 10:22:33.123 4242:5120 ";
constexpr size_t kPrefixLength = sizeof(kPrefix) - 1;

class FileLoggerTest : public testing::Test {
 protected:
  void SetUp() override { base::InstallLogSink(nullptr); }

  // Nested so that every test also needs the missing directories created.
  std::wstring LogPath() const { return dir_.path() + L"logs\\lite_installer.log"; }
  std::wstring OldPath() const { return dir_.path() + L"logs\\lite_installer_old.log"; }
  std::string PathUtf8() const { return base::WideToUtf8(LogPath()); }

  static void Emit(FileLogger* logger, const std::string& message, base::LogSeverity severity = base::LOG_INFO,
                   const char* function = "wWinMain") {
    base::LogStatement statement(severity, function, 160, kTime, 4242, 5120);
    statement << message;
    logger->Emit(statement);
  }
  static std::string Line(const std::string& message, const char* severity = "INFO") {
    return std::string(kPrefix) + severity + ": " + message + " (wWinMain:160)\n";
  }
  // A log file of exactly |size| bytes of earlier lines.
  void FillLog(size_t size) {
    ::CreateDirectoryW((dir_.path() + L"logs").c_str(), nullptr);
    std::string content(size, 'x');
    for (size_t i = 99; i < size; i += 100) content[i] = '\n';
    test::WriteFileBytes(LogPath(), content);
  }

  test::ScopedTempDir dir_;
};

TEST_F(FileLoggerTest, AppendsOneFormattedLinePerStatement) {
  // Two missing directory levels: both are created.
  const std::wstring path = dir_.path() + L"a\\b\\lite_installer.log";
  FileLogger logger(path, kLogFileMaxSize);
  Emit(&logger, "text");
  Emit(&logger, "failed - 5, Access is denied.\r\n", base::LOG_ERROR);
  Emit(&logger, "careful", base::LOG_WARNING);
  // A statement whose location does not fit the format buffer is dropped whole.
  const std::string long_name(250, 'f');
  Emit(&logger, "dropped", base::LOG_INFO, long_name.c_str());
  EXPECT_EQ(test::ReadFileBytes(path),
            Line("text") + Line("failed - 5, Access is denied.\r\n", "ERROR") + Line("careful", "WARNING"));
}

TEST_F(FileLoggerTest, KeepsTheCallersLastError) {
  FileLogger logger(LogPath(), kLogFileMaxSize);
  ::SetLastError(ERROR_INVALID_PARAMETER);
  Emit(&logger, "between a failing call and its GetLastError");  // creates the directory on the way
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(FileLoggerTest, RotatesAtTheLimitReplacingTheOldFile) {
  const size_t kFilled = 1048000;  // 576 bytes below the limit
  for (const bool reaches_limit : {false, true}) {
    SCOPED_TRACE(reaches_limit ? "prefix + message = 576" : "prefix + message = 575");
    FillLog(kFilled);
    test::WriteFileBytes(OldPath(), "an earlier rotation\n");
    const std::string message((reaches_limit ? 576 : 575) - kPrefixLength, 'm');
    FileLogger logger(LogPath(), kLogFileMaxSize);
    Emit(&logger, message);
    const std::string log = test::ReadFileBytes(LogPath());
    const std::string old = test::ReadFileBytes(OldPath());
    if (reaches_limit) {
      EXPECT_EQ(log, Line(message));
      EXPECT_EQ(old.size(), kFilled);
    } else {
      EXPECT_EQ(log.size(), kFilled + Line(message).size());
      EXPECT_EQ(old, "an earlier rotation\n");
    }
  }
}

TEST_F(FileLoggerTest, FailedRotationIsReportedOnceThenTheFileGrows) {
  FillLog(1048000);
  const std::wstring ready_name = test::UniqueName(L"ready_");
  const std::wstring release_name = test::UniqueName(L"release_");
  base::ScopedHandle ready(::CreateEventW(nullptr, TRUE, FALSE, ready_name.c_str()));
  base::ScopedHandle release(::CreateEventW(nullptr, TRUE, FALSE, release_name.c_str()));
  base::ScopedHandle holder = test::StartChild(L"hold-file \"" + OldPath() + L"\" " + ready_name + L" " + release_name);
  ASSERT_TRUE(holder.IsValid());
  ASSERT_TRUE(test::WaitForNamedEvent(ready.Get()));

  FileLogger logger(LogPath(), kLogFileMaxSize);
  const std::string message(600, 'm');
  Emit(&logger, message);
  Emit(&logger, "after the failure");
  ::SetEvent(release.Get());
  EXPECT_EQ(test::WaitForExitCode(holder.Get()), 0u);

  const std::string log = test::ReadFileBytes(LogPath());
  ASSERT_GT(log.size(), 1048000u);
  const std::string added = log.substr(1048000);
  const std::regex expected(std::string(kPrefix) + "LOGGING: Failed to rotate log file " +
                            std::regex_replace(PathUtf8(), std::regex(R"([\\.])"), R"(\$&)") + ": -[0-9]+\n");
  const size_t notice_end = added.find('\n') + 1;
  EXPECT_TRUE(std::regex_match(added.substr(0, notice_end), expected)) << added.substr(0, notice_end);
  EXPECT_EQ(added.substr(notice_end), Line(message) + Line("after the failure"));
  EXPECT_GT(log.size(), kLogFileMaxSize);
  EXPECT_TRUE(test::ReadFileBytes(OldPath()).empty());
}

TEST_F(FileLoggerTest, WritesWithoutTheMutexAfterOneSecondAndSaysSoOnce) {
  const std::wstring ready_name = test::UniqueName(L"ready_");
  base::ScopedHandle ready(::CreateEventW(nullptr, TRUE, FALSE, ready_name.c_str()));
  base::ScopedHandle holder = test::StartChild(L"hold-mutex \"" + LogMutexName(PathUtf8()) + L"\" 30000 " + ready_name);
  ASSERT_TRUE(holder.IsValid());
  ASSERT_TRUE(test::WaitForNamedEvent(ready.Get()));

  FileLogger logger(LogPath(), kLogFileMaxSize);
  Emit(&logger, "first");
  Emit(&logger, "second");
  // Both statements are on disk while the other process still owns the mutex.
  EXPECT_EQ(::WaitForSingleObject(holder.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(test::ReadFileBytes(LogPath()), std::string(kPrefix) + "LOGGING: Failed to lock log file " + PathUtf8() +
                                                "\n" + Line("first") + Line("second"));
  ::TerminateProcess(holder.Get(), 0);
}

TEST_F(FileLoggerTest, AbandonedMutexIsRecoveredAndReported) {
  // The mutex outlives its dead owner only while somebody else keeps it open.
  base::ScopedHandle kept_open(::CreateMutexW(nullptr, FALSE, LogMutexName(PathUtf8()).c_str()));
  ASSERT_TRUE(kept_open.IsValid());
  base::ScopedHandle owner = test::StartChild(L"abandon-mutex \"" + LogMutexName(PathUtf8()) + L"\"");
  ASSERT_EQ(test::WaitForExitCode(owner.Get()), 0u);

  FileLogger logger(LogPath(), kLogFileMaxSize);
  Emit(&logger, "recovered");
  Emit(&logger, "normal again");
  EXPECT_EQ(test::ReadFileBytes(LogPath()), std::string(kPrefix) + "LOGGING: Abandoned log mutex recovered for file " +
                                                PathUtf8() + "\n" + Line("recovered") + Line("normal again"));
}

TEST_F(FileLoggerTest, TwoProcessesLoseAndInterleaveNothing) {
  constexpr int kLines = 2000;
  const std::wstring path = L"\"" + LogPath() + L"\" " + std::to_wstring(kLines);
  base::ScopedHandle first = test::StartChild(L"log-lines " + path + L" alpha");
  base::ScopedHandle second = test::StartChild(L"log-lines " + path + L" beta");
  ASSERT_TRUE(first.IsValid() && second.IsValid());
  ASSERT_EQ(test::WaitForExitCode(first.Get(), 120000), 0u);
  ASSERT_EQ(test::WaitForExitCode(second.Get(), 120000), 0u);

  const std::regex line_pattern(
      R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \d{2,}:\d{2,} INFO: (alpha|beta) line (\d+) \(LogLines:\d+\))");
  std::set<int> seen[2];
  int malformed = 0;
  for (const std::string& line : test::SplitLines(test::ReadFileBytes(LogPath()))) {
    std::smatch match;
    if (!std::regex_match(line, match, line_pattern)) {
      if (++malformed < 5) ADD_FAILURE() << "malformed line: " << line;
      continue;
    }
    EXPECT_TRUE(seen[match[1] == "beta"].insert(std::stoi(match[2])).second) << "duplicate: " << line;
  }
  EXPECT_EQ(malformed, 0);
  for (const std::set<int>& lines : seen) {
    ASSERT_EQ(lines.size(), static_cast<size_t>(kLines));
    EXPECT_EQ(*lines.begin(), 0);
    EXPECT_EQ(*lines.rbegin(), kLines - 1);
  }
}

}  // namespace
}  // namespace zovuzerivo

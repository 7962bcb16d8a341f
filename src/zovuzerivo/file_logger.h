// The process-wide log file: one line per statement, appended under a named mutex shared by every
// installer process that writes the same file, rotated once into "<name>_old<ext>" when full.
#ifndef ZOVUZERIVO_FILE_LOGGER_H_
#define ZOVUZERIVO_FILE_LOGGER_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/log_statement.h"

namespace zovuzerivo {

// The size limit the installer gives its log file.
constexpr uint32_t kLogFileMaxSize = 0x100000;
// Formatted prefixes and locations must fit in this many bytes including a terminating zero.
constexpr size_t kLogFormatBufferSize = 200;
// How long a statement waits for the other writers before it writes anyway.
constexpr int64_t kLogLockTimeoutMicros = 1000000;
// Builds with a distinct install suffix keep their own log file next to ours.
constexpr wchar_t kLogFileBaseName[] = L"lite_installer";
constexpr wchar_t kInstallSuffix[] = L"";

// |temp_dir| (with its trailing separator) + "lite_installer" + install suffix + ".log".
std::wstring LogFilePathIn(std::wstring_view temp_dir);

class FileLogger : public base::LogSink {
 public:
  FileLogger(std::wstring path, uint32_t max_size);
  void Emit(const base::LogStatement& statement) override;
  ~FileLogger() override;

 private:
  const std::wstring path_;
  const uint32_t max_size_;
  // Derived from |path_| once; the mutex itself is created and closed on every Emit.
  const std::string path_utf8_;
  const std::wstring rotated_path_;
  const std::wstring directory_;
  const std::wstring mutex_name_;
  // Both change only from false to true; a duplicate notice under a race is harmless.
  bool rotation_failed_ = false;
  bool lock_failure_reported_ = false;
};

// The pieces of a log line, and the decisions Emit takes, kept free of I/O.

struct UtcTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};
// False for times outside the years 1601 to 30827, which the system clock cannot express either.
bool UtcTimeFromMicros(int64_t micros_since_1970, UtcTime* out);

// "2025-03-01 10:22:33.123 4242:5120 ". All time fields are zero when the time can't be converted.
// False when the text would not fit the format buffer.
bool FormatLogPrefix(int64_t time_us, uint32_t process_id, uint32_t thread_id, std::string* out);
// " (wWinMain:160)". False when the text would not fit the format buffer.
bool FormatLogLocation(std::string_view function_name, int32_t line, std::string* out);
const char* LogSeverityText(base::LogSeverity severity);
// prefix + severity + ": " + message + location + "\n"
std::string FormatLogLine(std::string_view prefix, base::LogSeverity severity, std::string_view message,
                          std::string_view location);

// "zovuzerivo log " + MD5 of the UTF-8 path in lower-case hex.
std::wstring LogMutexName(std::string_view path_utf8);
// "dir\lite_installer.log" -> "dir\lite_installer_old.log"; a name without extension gets "_old" appended.
std::wstring RotatedLogPath(std::wstring_view path);
// Everything before the last path separator; empty for a bare file name.
std::wstring LogDirectory(std::wstring_view path);
bool ShouldRotateLog(uint64_t file_length, size_t prefix_length, size_t message_length, uint32_t max_size);

// The text a statement appends in one write: the notices that apply, then the statement's line.
struct LogNotices {
  std::optional<int> rotation_error;  // set when a rotation attempt just failed
  bool lock_failure = false;          // the first statement written without the mutex
  bool abandoned_mutex = false;       // the previous owner ended without releasing the mutex
};
std::string ComposeLogText(std::string_view prefix, std::string_view path_utf8, const LogNotices& notices,
                           std::string_view statement_line);

}  // namespace zovuzerivo

#endif  // ZOVUZERIVO_FILE_LOGGER_H_

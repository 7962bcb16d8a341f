#include "zovuzerivo/file_logger.h"

#include <cstdio>

#include "base/md5_hex.h"
#include "base/utf_string.h"

namespace zovuzerivo {

namespace {

constexpr int64_t kMicrosPerDay = 86400LL * 1000000;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

size_t LastSeparator(std::wstring_view path) {
  for (size_t i = path.size(); i-- > 0;) {
    if (IsSeparator(path[i])) return i;
  }
  return std::wstring_view::npos;
}

// Days since 1970-01-01 to a proleptic Gregorian date, counting in 400-year eras.
void CivilFromDays(int64_t days, int* year, int* month, int* day) {
  days += 719468;  // shift the epoch to 0000-03-01
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t day_of_era = days - era * 146097;
  const int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t month_index = (5 * day_of_year + 2) / 153;  // March = 0
  *day = static_cast<int>(day_of_year - (153 * month_index + 2) / 5 + 1);
  *month = static_cast<int>(month_index < 10 ? month_index + 3 : month_index - 9);
  *year = static_cast<int>(year_of_era + era * 400 + (*month <= 2 ? 1 : 0));
}

bool FitsFormatBuffer(int written) { return written >= 0 && static_cast<size_t>(written) < kLogFormatBufferSize; }

}  // namespace

std::wstring LogFilePathIn(std::wstring_view temp_dir) {
  std::wstring path(temp_dir);
  path += kLogFileBaseName;
  path += kInstallSuffix;
  path += L".log";
  return path;
}

bool UtcTimeFromMicros(int64_t micros, UtcTime* out) {
  constexpr int64_t kFirst = -11644473600LL * 1000000;  // 1601-01-01 00:00:00
  constexpr int64_t kLast = 910670515200LL * 1000000;   // 30828-01-01 00:00:00, exclusive
  if (micros < kFirst || micros >= kLast) return false;
  int64_t days = micros / kMicrosPerDay;
  int64_t in_day = micros % kMicrosPerDay;
  if (in_day < 0) {
    in_day += kMicrosPerDay;
    --days;
  }
  CivilFromDays(days, &out->year, &out->month, &out->day);
  const int64_t millis = in_day / 1000;
  out->hour = static_cast<int>(millis / 3600000);
  out->minute = static_cast<int>(millis / 60000 % 60);
  out->second = static_cast<int>(millis / 1000 % 60);
  out->millisecond = static_cast<int>(millis % 1000);
  return true;
}

bool FormatLogPrefix(int64_t time_us, uint32_t process_id, uint32_t thread_id, std::string* out) {
  UtcTime t;
  if (!UtcTimeFromMicros(time_us, &t)) t = UtcTime();
  char buffer[kLogFormatBufferSize];
  const int written = std::snprintf(buffer, sizeof(buffer), "%04d-%02d-%02d %02d:%02d:%02d.%03d %02lu:%02lu ", t.year,
                                    t.month, t.day, t.hour, t.minute, t.second, t.millisecond,
                                    static_cast<unsigned long>(process_id), static_cast<unsigned long>(thread_id));
  if (!FitsFormatBuffer(written)) return false;
  out->assign(buffer, static_cast<size_t>(written));
  return true;
}

bool FormatLogLocation(std::string_view function_name, int32_t line, std::string* out) {
  // Checked before formatting: an over-long name must not be cut, the statement is dropped instead.
  if (function_name.size() >= kLogFormatBufferSize) return false;
  char buffer[kLogFormatBufferSize];
  const std::string name(function_name);
  const int written = std::snprintf(buffer, sizeof(buffer), " (%s:%ld)", name.c_str(), static_cast<long>(line));
  if (!FitsFormatBuffer(written)) return false;
  out->assign(buffer, static_cast<size_t>(written));
  return true;
}

const char* LogSeverityText(base::LogSeverity severity) {
  switch (severity) {
    case base::LOG_INFO:
      return "INFO";
    case base::LOG_ERROR:
      return "ERROR";
    case base::LOG_WARNING:
      return "WARNING";
  }
  return "UNKNOWN";
}

std::string FormatLogLine(std::string_view prefix, base::LogSeverity severity, std::string_view message,
                          std::string_view location) {
  std::string line;
  line.reserve(prefix.size() + 16 + message.size() + location.size());
  line.append(prefix);
  line.append(LogSeverityText(severity));
  line.append(": ");
  line.append(message);
  line.append(location);
  line.push_back('\n');
  return line;
}

std::wstring LogMutexName(std::string_view path_utf8) {
  return L"zovuzerivo log " + base::Utf8ToWide(base::Md5Hex(path_utf8));
}

std::wstring RotatedLogPath(std::wstring_view path) {
  const size_t separator = LastSeparator(path);
  const size_t name_start = separator == std::wstring_view::npos ? 0 : separator + 1;
  const size_t dot = path.rfind(L'.');
  std::wstring rotated(path);
  if (dot == std::wstring_view::npos || dot < name_start) {
    rotated += L"_old";
  } else {
    rotated.insert(dot, L"_old");
  }
  return rotated;
}

std::wstring LogDirectory(std::wstring_view path) {
  const size_t separator = LastSeparator(path);
  if (separator == std::wstring_view::npos) return std::wstring();
  return std::wstring(path.substr(0, separator));
}

bool ShouldRotateLog(uint64_t file_length, size_t prefix_length, size_t message_length, uint32_t max_size) {
  return file_length + static_cast<uint64_t>(prefix_length) + static_cast<uint64_t>(message_length) >= max_size;
}

std::string ComposeLogText(std::string_view prefix, std::string_view path_utf8, const LogNotices& notices,
                           std::string_view statement_line) {
  std::string text;
  auto notice = [&](std::string_view what) {
    text.append(prefix);
    text.append(what);
    text.append(path_utf8);
  };
  if (notices.rotation_error) {
    notice("LOGGING: Failed to rotate log file ");
    text.append(": ");
    text.append(std::to_string(*notices.rotation_error));
    text.push_back('\n');
  }
  if (notices.lock_failure) {
    notice("LOGGING: Failed to lock log file ");
    text.push_back('\n');
  }
  if (notices.abandoned_mutex) {
    notice("LOGGING: Abandoned log mutex recovered for file ");
    text.push_back('\n');
  }
  text.append(statement_line);
  return text;
}

}  // namespace zovuzerivo

#include "base/log_statement.h"

#include <charconv>
#include <cstdio>
#include <utility>

#include "base/process_info.h"
#include "base/utf_string.h"

namespace base {

namespace {
// Set once at start-up, before other threads exist, so it needs no lock.
LogSink* g_sink = nullptr;
}  // namespace

LogSink::~LogSink() = default;

void InstallLogSink(std::unique_ptr<LogSink> sink) {
  LogSink* previous = g_sink;
  g_sink = sink.release();
  delete previous;
}

LogSink* InstalledLogSink() { return g_sink; }

LogStatement::LogStatement(LogSeverity severity, const char* function, int32_t line)
    : LogStatement(severity, function, line, WallClockMicros(), CurrentProcessId(), CurrentThreadId()) {}

LogStatement::LogStatement(LogSeverity severity, const char* function, int32_t line, std::string error_text)
    : LogStatement(severity, function, line) {
  has_error_text_ = true;
  error_text_ = std::move(error_text);
}

LogStatement::LogStatement(LogSeverity severity, const char* function, int32_t line, int64_t time_us,
                           uint32_t process_id, uint32_t thread_id)
    : severity_(severity),
      function_(function),
      line_(line),
      time_us_(time_us),
      process_id_(process_id),
      thread_id_(thread_id) {}

LogStatement::~LogStatement() {
  if (g_sink) g_sink->Emit(*this);
}

LogStatement& LogStatement::operator<<(std::string_view text) {
  message_.append(text.data(), text.size());
  return *this;
}

LogStatement& LogStatement::operator<<(std::wstring_view text) {
  message_ += WideToUtf8(text);
  return *this;
}

LogStatement& LogStatement::operator<<(const void* pointer) {
  char buffer[2 + 2 * sizeof(void*) + 1];
  std::snprintf(buffer, sizeof(buffer), "%p", pointer);
  message_ += buffer;
  return *this;
}

void LogStatement::AppendSigned(int64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  message_.append(buffer, result.ptr);
}

void LogStatement::AppendUnsigned(uint64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  message_.append(buffer, result.ptr);
}

std::string LogStatement::Message() const {
  if (!has_error_text_) return message_;
  if (message_.empty()) return error_text_;
  return message_ + " - " + error_text_;
}

}  // namespace base

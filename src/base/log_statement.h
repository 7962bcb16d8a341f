// Log statements: built on the stack, emitted to the process-wide sink when they go out of scope.
#ifndef BASE_LOG_STATEMENT_H_
#define BASE_LOG_STATEMENT_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "base/system_error.h"

namespace base {

// The numeric values are part of the log format's history: keep this order.
enum LogSeverity : int32_t {
  LOG_INFO = 0,
  LOG_ERROR = 1,
  LOG_WARNING = 2,
};

class LogStatement;

// Receives every finished statement. One sink is installed per process.
class LogSink {
 public:
  virtual void Emit(const LogStatement& statement) = 0;
  virtual ~LogSink();
};

// Installs |sink| as the process-wide sink, destroying the previous one. Must happen before a
// second thread exists; statements made while no sink is installed are dropped.
void InstallLogSink(std::unique_ptr<LogSink> sink);
LogSink* InstalledLogSink();

class LogStatement {
 public:
  // |function| must point to a string with static storage (__PRETTY_FUNCTION__ or a literal).
  LogStatement(LogSeverity severity, const char* function, int32_t line);
  // A statement that carries an error text prepared by FormatSystemError.
  LogStatement(LogSeverity severity, const char* function, int32_t line, std::string error_text);
  // For tests: a statement with a given time and ids.
  LogStatement(LogSeverity severity, const char* function, int32_t line, int64_t time_us, uint32_t process_id,
               uint32_t thread_id);
  LogStatement(const LogStatement&) = delete;
  LogStatement& operator=(const LogStatement&) = delete;
  ~LogStatement();

  LogStatement& operator<<(std::string_view text);
  LogStatement& operator<<(const char* text) { return *this << std::string_view(text ? text : ""); }
  LogStatement& operator<<(const std::string& text) { return *this << std::string_view(text); }
  LogStatement& operator<<(std::wstring_view text);  // written as UTF-8
  LogStatement& operator<<(const wchar_t* text) { return *this << std::wstring_view(text ? text : L""); }
  LogStatement& operator<<(const std::wstring& text) { return *this << std::wstring_view(text); }
  LogStatement& operator<<(char c) { return *this << std::string_view(&c, 1); }
  LogStatement& operator<<(bool value) { return *this << (value ? "true" : "false"); }
  template <typename Integer,
            typename = std::enable_if_t<std::is_integral_v<Integer> && !std::is_same_v<Integer, bool> &&
                                        !std::is_same_v<Integer, char> && !std::is_same_v<Integer, wchar_t>>>
  LogStatement& operator<<(Integer value) {
    if constexpr (std::is_signed_v<Integer>) {
      AppendSigned(static_cast<int64_t>(value));
    } else {
      AppendUnsigned(static_cast<uint64_t>(value));
    }
    return *this;
  }
  // Pointers are written as hexadecimal addresses, never as text by accident.
  LogStatement& operator<<(const void* pointer);

  LogSeverity severity() const { return severity_; }
  const char* function() const { return function_; }
  int32_t line() const { return line_; }
  int64_t time_us() const { return time_us_; }
  uint32_t process_id() const { return process_id_; }
  uint32_t thread_id() const { return thread_id_; }
  // The streamed text with the error text, if any, appended.
  std::string Message() const;

 private:
  void AppendSigned(int64_t value);
  void AppendUnsigned(uint64_t value);

  LogSeverity severity_;
  const char* function_;
  int32_t line_;
  int64_t time_us_;
  uint32_t process_id_;
  uint32_t thread_id_;
  bool has_error_text_ = false;
  std::string error_text_;
  std::string message_;
};

}  // namespace base

// LOG(INFO) << "text";  LOG(WARNING) << ...;  LOG(ERROR) << ...;
// The severity names are pasted, so Windows' ERROR macro does not interfere.
#define LOG(severity) ::base::LogStatement(::base::LOG_##severity, __PRETTY_FUNCTION__, __LINE__)

// An ERROR statement with the text of a system error code appended:
// LOG_ERROR_WITH_CODE(::GetLastError()) << "Can't open file";
#define LOG_ERROR_WITH_CODE(code) \
  ::base::LogStatement(::base::LOG_ERROR, __PRETTY_FUNCTION__, __LINE__, ::base::FormatSystemError(code))

#endif  // BASE_LOG_STATEMENT_H_

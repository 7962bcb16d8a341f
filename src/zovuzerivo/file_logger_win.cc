#include <windows.h>

#include <string>
#include <utility>

#include "base/file_error.h"
#include "base/function_name.h"
#include "base/scoped_handle_win.h"
#include "base/utf_string.h"
#include "zovuzerivo/file_logger.h"

namespace zovuzerivo {

namespace {

base::FileError FileErrorFromSystemError(DWORD error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
      return base::FILE_ERROR_IN_USE;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return base::FILE_ERROR_EXISTS;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return base::FILE_ERROR_NOT_FOUND;
    case ERROR_ACCESS_DENIED:
      return base::FILE_ERROR_ACCESS_DENIED;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return base::FILE_ERROR_NO_SPACE;
    default:
      return base::FILE_ERROR_FAILED;
  }
}

// Logging sits between failing calls and the code that reads their error, so it must not change it.
class ScopedLastErrorKeeper {
 public:
  ScopedLastErrorKeeper() : error_(::GetLastError()) {}
  ScopedLastErrorKeeper(const ScopedLastErrorKeeper&) = delete;
  ScopedLastErrorKeeper& operator=(const ScopedLastErrorKeeper&) = delete;
  ~ScopedLastErrorKeeper() { ::SetLastError(error_); }

 private:
  const DWORD error_;
};

// The named mutex all writers of one log file share, held for the duration of one statement.
class LogMutexLock {
 public:
  explicit LogMutexLock(const std::wstring& name) : mutex_(::CreateMutexW(nullptr, FALSE, name.c_str())) {
    if (!mutex_.IsValid()) return;
    switch (::WaitForSingleObject(mutex_.Get(), static_cast<DWORD>(kLogLockTimeoutMicros / 1000))) {
      case WAIT_OBJECT_0:
        acquired_ = true;
        break;
      case WAIT_ABANDONED:
        acquired_ = true;
        abandoned_ = true;
        break;
      default:
        break;
    }
  }
  LogMutexLock(const LogMutexLock&) = delete;
  LogMutexLock& operator=(const LogMutexLock&) = delete;
  ~LogMutexLock() {
    if (acquired_) ::ReleaseMutex(mutex_.Get());
  }

  bool acquired() const { return acquired_; }
  bool abandoned() const { return abandoned_; }

 private:
  base::ScopedHandle mutex_;
  bool acquired_ = false;
  bool abandoned_ = false;
};

// Creates |directory| and its missing parents. The common case, an existing directory, costs one query.
bool EnsureDirectory(const std::wstring& directory) {
  const DWORD attributes = ::GetFileAttributesW(directory.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (::CreateDirectoryW(directory.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS) return true;
  if (::GetLastError() != ERROR_PATH_NOT_FOUND) return false;
  const std::wstring parent = LogDirectory(directory);
  if (parent.empty() || parent.size() >= directory.size() || !EnsureDirectory(parent)) return false;
  return ::CreateDirectoryW(directory.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

// Append-only access: every write lands at the current end of the file, whoever else writes.
base::ScopedHandle OpenForAppend(const std::wstring& path) {
  return base::ScopedHandle(::CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Moves the full log aside, replacing an earlier rotated file. Returns the failure, or FILE_OK.
base::FileError MoveToRotated(const std::wstring& path, const std::wstring& rotated_path) {
  if (::MoveFileExW(path.c_str(), rotated_path.c_str(), MOVEFILE_REPLACE_EXISTING)) return base::FILE_OK;
  const base::FileError replace_error = FileErrorFromSystemError(::GetLastError());
  if (::MoveFileW(path.c_str(), rotated_path.c_str())) return base::FILE_OK;
  // The replace attempt's reason is the informative one: the plain move only repeats it.
  return replace_error;
}

}  // namespace

FileLogger::FileLogger(std::wstring path, uint32_t max_size)
    : path_(std::move(path)),
      max_size_(max_size),
      path_utf8_(base::WideToUtf8(path_)),
      rotated_path_(RotatedLogPath(path_)),
      directory_(LogDirectory(path_)),
      mutex_name_(LogMutexName(path_utf8_)) {}

FileLogger::~FileLogger() = default;

void FileLogger::Emit(const base::LogStatement& statement) {
  const ScopedLastErrorKeeper last_error_keeper;
  std::string prefix;
  std::string location;
  if (!FormatLogPrefix(statement.time_us(), statement.process_id(), statement.thread_id(), &prefix)) return;
  const std::string function = base::LogFunctionName(statement.function() ? statement.function() : "");
  if (!FormatLogLocation(function, statement.line(), &location)) return;
  const std::string message = statement.Message();

  LogMutexLock lock(mutex_name_);
  // The directory almost always exists: try the file first and create the directories only when
  // they are missing, which saves a file-system query on every line.
  base::ScopedHandle file = OpenForAppend(path_);
  if (!file.IsValid() && ::GetLastError() == ERROR_PATH_NOT_FOUND && !directory_.empty()) {
    if (!EnsureDirectory(directory_)) return;
    file = OpenForAppend(path_);
  }
  if (!file.IsValid()) return;

  LogNotices notices;
  if (!rotation_failed_) {
    LARGE_INTEGER length;
    if (!::GetFileSizeEx(file.Get(), &length)) {
      ::OutputDebugStringA("Unable to get file length.\n");
    } else if (ShouldRotateLog(static_cast<uint64_t>(length.QuadPart), prefix.size(), message.size(), max_size_)) {
      file.Reset(nullptr);
      const base::FileError error = MoveToRotated(path_, rotated_path_);
      file = OpenForAppend(path_);
      if (file.IsValid() && error != base::FILE_OK) {
        rotation_failed_ = true;
        notices.rotation_error = error;
      }
    }
  }
  if (!file.IsValid()) return;

  if (!lock.acquired() && !lock_failure_reported_) {
    lock_failure_reported_ = true;
    notices.lock_failure = true;
  }
  notices.abandoned_mutex = lock.abandoned();
  const std::string text =
      ComposeLogText(prefix, path_utf8_, notices, FormatLogLine(prefix, statement.severity(), message, location));
  DWORD written = 0;
  ::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace zovuzerivo

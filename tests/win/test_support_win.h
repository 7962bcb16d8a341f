// Helpers for the Windows tests: temporary directories, files, and child processes.
#ifndef TESTS_WIN_TEST_SUPPORT_WIN_H_
#define TESTS_WIN_TEST_SUPPORT_WIN_H_

#include <windows.h>

#include <string>
#include <vector>

#include "base/scoped_handle_win.h"

namespace test {

// The running test program, and the directory that holds it (and lite_installer.exe).
std::wstring SelfPath();
std::wstring SelfDirectory();

// A fresh directory under the temporary directory, removed with its contents at the end.
class ScopedTempDir {
 public:
  ScopedTempDir();
  ~ScopedTempDir();
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;
  // With a trailing backslash.
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// A name no other test run uses, for events and mutexes.
std::wstring UniqueName(const wchar_t* prefix);

bool FileExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::vector<std::string> SplitLines(const std::string& text);

// Starts |exe| with |arguments|; with |environment| (NAME=value entries) replacing variables of ours.
base::ScopedHandle StartProcess(const std::wstring& exe, const std::wstring& arguments,
                                const std::vector<std::wstring>& environment = {});
// Starts this test program in one of its child roles (see win_test_main.cc).
base::ScopedHandle StartChild(const std::wstring& role_and_arguments);
// Waits for the process to end; returns its exit code, or STILL_ACTIVE after |timeout_ms|.
DWORD WaitForExitCode(HANDLE process, DWORD timeout_ms = 60000);

// Waits for a child to signal the named event; false on time-out.
bool WaitForNamedEvent(HANDLE event, DWORD timeout_ms = 20000);

}  // namespace test

#endif  // TESTS_WIN_TEST_SUPPORT_WIN_H_

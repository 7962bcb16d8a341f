// Log-file throughput: lines per second for one process, and for two processes writing the same
// file at once. Run under Wine: scripts/benchmark.sh.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "base/log_statement.h"
#include "base/scoped_handle_win.h"
#include "base/temp_path.h"
#include "zovuzerivo/file_logger.h"

namespace {

constexpr unsigned kLines = 3000;

double Seconds(LARGE_INTEGER start, LARGE_INTEGER end) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void LogLines(const std::wstring& path, unsigned count) {
  base::InstallLogSink(std::make_unique<zovuzerivo::FileLogger>(path, 64u << 20));
  for (unsigned i = 0; i < count; ++i) LOG(INFO) << "benchmark line " << i << " of a typical length for the installer";
  base::InstallLogSink(nullptr);
}

// The system calls of one statement and nothing else: what the logger's own work is measured against.
void BareCallPattern(const std::wstring& path, unsigned count) {
  static const char kLine[] = "2026-12-11 12:00:00.000 100:104 INFO: benchmark line of a typical length (f:1)\n";
  for (unsigned i = 0; i < count; ++i) {
    base::ScopedHandle mutex(::CreateMutexW(nullptr, FALSE, L"korvel log benchmark"));
    ::WaitForSingleObject(mutex.Get(), 1000);
    base::ScopedHandle file(::CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    ::GetFileSizeEx(file.Get(), &size);
    DWORD written = 0;
    ::WriteFile(file.Get(), kLine, sizeof(kLine) - 1, &written, nullptr);
    file.Reset(nullptr);
    ::ReleaseMutex(mutex.Get());
  }
}

base::ScopedHandle StartWriter(const std::wstring& path) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --writer \"" + path + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(self, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return base::ScopedHandle();
  }
  ::CloseHandle(info.hThread);
  return base::ScopedHandle(info.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == L"--writer") {
    LogLines(argv[2], kLines);
    return 0;
  }
  const std::wstring path = base::GetTempDirectory() + L"korvel_log_benchmark.log";
  ::DeleteFileW(path.c_str());

  LARGE_INTEGER start, end;
  ::QueryPerformanceCounter(&start);
  BareCallPattern(path, kLines);
  ::QueryPerformanceCounter(&end);
  const double bare = Seconds(start, end);
  std::printf("bare calls:    %u lines in %.2f s = %.0f lines/s (mutex, open, size, write, close; no logger)\n", kLines,
              bare, kLines / bare);
  ::DeleteFileW(path.c_str());

  ::QueryPerformanceCounter(&start);
  LogLines(path, kLines);
  ::QueryPerformanceCounter(&end);
  const double single = Seconds(start, end);
  std::printf("one process:   %u lines in %.2f s = %.0f lines/s\n", kLines, single, kLines / single);
  ::DeleteFileW(path.c_str());

  ::QueryPerformanceCounter(&start);
  base::ScopedHandle first = StartWriter(path);
  base::ScopedHandle second = StartWriter(path);
  if (!first.IsValid() || !second.IsValid()) {
    std::printf("can't start the writer processes\n");
    return 1;
  }
  HANDLE both[] = {first.Get(), second.Get()};
  ::WaitForMultipleObjects(2, both, TRUE, INFINITE);
  ::QueryPerformanceCounter(&end);
  const double pair = Seconds(start, end);
  std::printf(
      "two processes: 2 x %u lines in %.2f s = 2 x %.0f lines/s (%.0f lines/s together, process start included)\n",
      kLines, pair, kLines / pair, 2 * kLines / pair);
  ::DeleteFileW(path.c_str());
  return 0;
}

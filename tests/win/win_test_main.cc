// The Windows test program. Started with "--child=<role> ..." it plays the other process of a
// cross-process test instead of running tests.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/log_statement.h"
#include "base/scoped_handle_win.h"
#include "lite_installer/master_installer_id.h"
#include "zovuzerivo/file_logger.h"

namespace {

constexpr int kChildBadArguments = 2;
constexpr int kChildFailed = 3;

void Signal(const std::wstring& event_name) {
  base::ScopedHandle event(::OpenEventW(EVENT_MODIFY_STATE, FALSE, event_name.c_str()));
  if (event.IsValid()) ::SetEvent(event.Get());
}

// Owns the named mutex, tells the parent, holds it for |hold_ms|, then releases it.
int HoldMutex(const std::vector<std::wstring>& args) {
  if (args.size() != 3) return kChildBadArguments;
  base::ScopedHandle mutex(::CreateMutexW(nullptr, FALSE, args[0].c_str()));
  if (!mutex.IsValid() || ::WaitForSingleObject(mutex.Get(), 5000) != WAIT_OBJECT_0) return kChildFailed;
  Signal(args[2]);
  ::Sleep(static_cast<DWORD>(std::stoul(args[1])));
  ::ReleaseMutex(mutex.Get());
  return 0;
}

// Owns the named mutex and ends without releasing it, leaving it abandoned.
int AbandonMutex(const std::vector<std::wstring>& args) {
  if (args.size() != 1) return kChildBadArguments;
  HANDLE mutex = ::CreateMutexW(nullptr, FALSE, args[0].c_str());
  if (!mutex || ::WaitForSingleObject(mutex, 5000) != WAIT_OBJECT_0) return kChildFailed;
  ::ExitProcess(0);
}

// Keeps a file open without delete sharing, so nobody can move another file over it.
int HoldFile(const std::vector<std::wstring>& args) {
  if (args.size() != 3) return kChildBadArguments;
  base::ScopedHandle file(
      ::CreateFileW(args[0].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr));
  if (!file.IsValid()) return kChildFailed;
  Signal(args[1]);
  base::ScopedHandle release(::OpenEventW(SYNCHRONIZE, FALSE, args[2].c_str()));
  if (!release.IsValid()) return kChildFailed;
  ::WaitForSingleObject(release.Get(), 60000);
  return 0;
}

// Logs COUNT numbered lines tagged TAG into PATH through the real file logger.
int LogLines(const std::vector<std::wstring>& args) {
  if (args.size() != 3) return kChildBadArguments;
  base::InstallLogSink(std::make_unique<zovuzerivo::FileLogger>(args[0], zovuzerivo::kLogFileMaxSize));
  const unsigned long count = std::stoul(args[1]);
  for (unsigned long i = 0; i < count; ++i) LOG(INFO) << args[2] << " line " << i;
  return 0;
}

int WriteMasterId(const std::vector<std::wstring>& args) {
  if (args.size() != 1) return kChildBadArguments;
  lite_installer::SetMasterInstallerId(static_cast<uint32_t>(std::stoul(args[0])));
  return 0;
}

int RunChildRole(const std::wstring& role, const std::vector<std::wstring>& args) {
  if (role == L"hold-mutex") return HoldMutex(args);
  if (role == L"abandon-mutex") return AbandonMutex(args);
  if (role == L"hold-file") return HoldFile(args);
  if (role == L"log-lines") return LogLines(args);
  if (role == L"write-master-id") return WriteMasterId(args);
  return kChildBadArguments;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring child_switch = L"--child=";
  if (argc >= 2 && std::wstring(argv[1]).compare(0, child_switch.size(), child_switch) == 0) {
    return RunChildRole(std::wstring(argv[1]).substr(child_switch.size()),
                        std::vector<std::wstring>(argv + 2, argv + argc));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include "lite_installer/unbuilt_steps_win.h"

#include <windows.h>

#include <shellapi.h>

#include <cwctype>

#include "lite_installer/exit_codes.h"

namespace lite_installer {
namespace unbuilt {

namespace {

// Finds "--name" or "--name=value" among the process arguments.
bool FindSwitch(const wchar_t* name, std::wstring* value) {
  int count = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!argv) return false;
  bool found = false;
  const std::wstring wanted = name;
  for (int i = 1; i < count && !found; ++i) {
    std::wstring arg = argv[i];
    if (arg.compare(0, 2, L"--") != 0) continue;
    const size_t equals = arg.find(L'=');
    std::wstring key = arg.substr(2, equals == std::wstring::npos ? std::wstring::npos : equals - 2);
    for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
    if (key != wanted) continue;
    found = true;
    if (value) *value = equals == std::wstring::npos ? std::wstring() : arg.substr(equals + 1);
  }
  ::LocalFree(argv);
  return found;
}

}  // namespace

int EnsureSecureEnvironment(int* relaunch_exit_code) {
  *relaunch_exit_code = 0;
  return kSecureEnvironmentNotChecked;
}

void CrashReporter::SetAnnotation(const std::string&, const std::string&) {}

bool HandleDefaultBrowserHelperCommandLine(int*) { return false; }

bool HasSwitch(const wchar_t* name) { return FindSwitch(name, nullptr); }

std::wstring SwitchValue(const wchar_t* name) {
  std::wstring value;
  FindSwitch(name, &value);
  return value;
}

int ExecuteAsAdmin() { return kExitElevatedFailure; }

bool InstanceLock::Acquire() { return true; }

void BringProcessWindowToTop(uint32_t) {}

DistributionParameters LoadDistributionParameters() { return {}; }

BrandInfo LoadBrandInfo(const std::wstring&, const std::wstring&, const DistributionParameters&) { return {}; }

void SetRunAnnotations(CrashReporter*, const DistributionParameters&, const BrandInfo&) {}

bool IsCpuSupported(int*) { return true; }

void ShowInstallErrorBox(const BrandInfo&, int) {}

bool HasEnoughDiskSpace(bool, uint64_t) { return true; }

int RunSilentInstallation(const BrandInfo&, const DistributionParameters&, const InstallOptions&) {
  return kExitNothingRan;
}

int RunMainWindow(const BrandInfo&, const DistributionParameters&, int* installer_result) {
  *installer_result = kExitNothingRan;
  return 1;
}

void ShowDiskSpaceNotice(const BrandInfo&) {}

}  // namespace unbuilt
}  // namespace lite_installer

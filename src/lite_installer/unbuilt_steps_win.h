// Start-up steps whose subsystems are not written yet. Each stand-in here does the least that keeps
// the start-up sequence honest (it claims no check it did not make) and is removed, one by one, as
// the real subsystem arrives. Only the entry point may use this file.
#ifndef LITE_INSTALLER_UNBUILT_STEPS_WIN_H_
#define LITE_INSTALLER_UNBUILT_STEPS_WIN_H_

#include <cstdint>
#include <string>

namespace lite_installer {
namespace unbuilt {

// A result outside the secure-environment verdicts: start-up goes on without a word.
constexpr int kSecureEnvironmentNotChecked = -1;
int EnsureSecureEnvironment(int* relaunch_exit_code);

// Crash reporting is not in place yet: annotations are accepted and kept nowhere.
class CrashReporter {
 public:
  CrashReporter() = default;
  CrashReporter(const CrashReporter&) = delete;
  CrashReporter& operator=(const CrashReporter&) = delete;
  void SetAnnotation(const std::string& key, const std::string& value);
};

// The Windows 10 default-browser helper role: never handles the command line yet.
bool HandleDefaultBrowserHelperCommandLine(int* exit_code);

// A minimal reading of the process command line: "--name" or "--name=value", names without case.
bool HasSwitch(const wchar_t* name);
std::wstring SwitchValue(const wchar_t* name);

// The elevated copy cannot run setup yet, so it reports failure.
int ExecuteAsAdmin();

// Window-system start-up for this thread; nothing to start while no window exists.
class GraphicsRuntime {
 public:
  GraphicsRuntime() = default;
  GraphicsRuntime(const GraphicsRuntime&) = delete;
  GraphicsRuntime& operator=(const GraphicsRuntime&) = delete;
};

// The single-instance lock: always obtained, so a second start is not refused yet.
class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  bool Acquire();
};
void BringProcessWindowToTop(uint32_t process_id);

// The distribution parameters: none are read yet.
struct DistributionParameters {};
DistributionParameters LoadDistributionParameters();

// The brand configuration: built-in defaults only (English, statistics on).
struct BrandInfo {
  uint16_t language_id = 0x0409;
  bool send_statistics = true;
};
BrandInfo LoadBrandInfo(const std::wstring& temp_dir, const std::wstring& brand_name,
                        const DistributionParameters& distribution);
void SetRunAnnotations(CrashReporter* crash_reporter, const DistributionParameters& distribution,
                       const BrandInfo& brand);

// Processor and disk checks: not made yet, so they refuse nothing.
bool IsCpuSupported(int* text_id);
void ShowInstallErrorBox(const BrandInfo& brand, int text_id);
bool HasEnoughDiskSpace(bool system_level, uint64_t required_bytes);

struct InstallOptions {
  bool make_browser_default = false;
  bool send_statistics = true;
  bool install_kvpin = true;
};
// No installation pipeline yet: nothing runs, and the result says so.
int RunSilentInstallation(const BrandInfo& brand, const DistributionParameters& distribution,
                          const InstallOptions& options);
// No window yet: the "window" ends at once as if finished, with nothing installed.
int RunMainWindow(const BrandInfo& brand, const DistributionParameters& distribution, int* installer_result);
void ShowDiskSpaceNotice(const BrandInfo& brand);

}  // namespace unbuilt
}  // namespace lite_installer

#endif  // LITE_INSTALLER_UNBUILT_STEPS_WIN_H_

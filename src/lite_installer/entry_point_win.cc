// The installer's entry point: the fixed start-up order, the role the process plays, and its exit code.
// Every object created here is undone in reverse order by leaving its scope, on every exit path.
#include <windows.h>

#include <memory>
#include <string>

#include "base/log_statement.h"
#include "base/temp_path.h"
#include "lite_installer/exit_codes.h"
#include "lite_installer/master_installer_id.h"
#include "lite_installer/secure_environment_result.h"
#include "lite_installer/unbuilt_steps_win.h"
#include "zovuzerivo/file_logger.h"

namespace lite_installer {

namespace {

constexpr uint64_t kRequiredDiskSpace = 629145600;  // 600 MiB

}  // namespace

}  // namespace lite_installer

// The whole start-up sequence stays in this one function so that its log lines carry its name.
// The arguments are ignored: the switches come from the process command line.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  using namespace lite_installer;

  // Before anything else, and before any logging.
  int relaunch_exit_code = 0;
  const int secure_environment = unbuilt::EnsureSecureEnvironment(&relaunch_exit_code);

  unbuilt::CrashReporter crash_reporter;
  crash_reporter.SetAnnotation("ptype", "installer");

  // The logger lives until the process ends; it is never destroyed here.
  const std::wstring temp_dir = base::GetTempDirectory();
  base::InstallLogSink(
      std::make_unique<zovuzerivo::FileLogger>(zovuzerivo::LogFilePathIn(temp_dir), zovuzerivo::kLogFileMaxSize));
  LOG(INFO) << "-------------------------------------- Start install.";

  int helper_exit_code = 0;
  if (unbuilt::HandleDefaultBrowserHelperCommandLine(&helper_exit_code)) {
    LOG(INFO) << "Handled non install cmd line option by win10 default browser helper, ret code: " << helper_exit_code;
    return helper_exit_code;
  }

  const SecureEnvironmentAction action = ActOnSecureEnvironment(secure_environment, relaunch_exit_code);
  if (action.log_line) LOG(INFO) << action.log_line;
  if (action.exit) return action.exit_code;

  // The elevated copy neither starts the window system nor touches the single-instance lock.
  if (unbuilt::HasSwitch(L"run-as-admin")) return unbuilt::ExecuteAsAdmin();

  const unbuilt::GraphicsRuntime graphics_runtime;
  static_cast<void>(graphics_runtime);
  LOG(INFO) << "Lite installer mode.";

  unbuilt::InstanceLock instance_lock;
  if (!instance_lock.Acquire()) {
    LOG(INFO) << "Another installer instance is already running.";
    const uint32_t master_id = GetMasterInstallerId();
    LOG(INFO) << "Master installer process id: " << master_id;
    unbuilt::BringProcessWindowToTop(master_id);
    return kExitAnotherInstance;
  }
  const uint32_t own_id = ::GetCurrentProcessId();
  SetMasterInstallerId(own_id);
  LOG(INFO) << "Installer process id: " << own_id;

  const bool silent = unbuilt::HasSwitch(L"silent");
  const bool system_level = unbuilt::HasSwitch(L"system-level");
  const std::wstring brand_name = unbuilt::SwitchValue(L"brand-name");
  LOG(INFO) << "Temporary path is: " << temp_dir;

  const unbuilt::DistributionParameters distribution = unbuilt::LoadDistributionParameters();
  const unbuilt::BrandInfo brand = unbuilt::LoadBrandInfo(temp_dir, brand_name, distribution);
  unbuilt::SetRunAnnotations(&crash_reporter, distribution, brand);

  int text_id = 0;
  if (!unbuilt::IsCpuSupported(&text_id)) {
    LOG_ERROR_WITH_CODE(::GetLastError()) << "CPU is not supported";
    if (!silent) unbuilt::ShowInstallErrorBox(brand, text_id);
    return kExitCpuNotSupported;
  }
  // Computed in both modes; only the window acts on it.
  const bool enough_disk_space = unbuilt::HasEnoughDiskSpace(system_level, kRequiredDiskSpace);

  int result = kExitNothingRan;
  if (silent) {
    LOG(INFO) << "Installing in silent mode.";
    unbuilt::InstallOptions options;
    options.make_browser_default = unbuilt::HasSwitch(L"make-browser-default-after-import");
    options.send_statistics = unbuilt::HasSwitch(L"send-statistics") || brand.send_statistics;
    options.install_kvpin = !unbuilt::HasSwitch(L"disablekvpin");
    result = unbuilt::RunSilentInstallation(brand, distribution, options);
  } else if (enough_disk_space) {
    int installer_result = kExitNothingRan;
    if (unbuilt::RunMainWindow(brand, distribution, &installer_result) == 1) {
      result = installer_result;
    } else {
      LOG(INFO) << "User cancelled installation.";
      result = kExitUserCancelled;
    }
  } else {
    unbuilt::ShowDiskSpaceNotice(brand);
    result = kExitNotEnoughDiskSpace;
  }
  LOG(INFO) << "Installer exit with code: " << result;
  return result;
}

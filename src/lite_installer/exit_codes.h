// Exit codes of the installer process that the entry point produces itself.
#ifndef LITE_INSTALLER_EXIT_CODES_H_
#define LITE_INSTALLER_EXIT_CODES_H_

namespace lite_installer {

constexpr int kExitDllFilesFound = -200;
constexpr int kExitElevatedSuccess = 0;
constexpr int kExitElevatedFailure = -1;
// Results of an installation (the Installer's result when setup never ran).
constexpr int kExitNothingRan = 400;
constexpr int kExitDownloadFailed = 401;
constexpr int kExitVerificationFailed = 402;
constexpr int kExitNotEnoughDiskSpace = 403;
constexpr int kExitCpuNotSupported = 404;
constexpr int kExitUserCancelled = 500;
constexpr int kExitAnotherInstance = 600;

}  // namespace lite_installer

#endif  // LITE_INSTALLER_EXIT_CODES_H_

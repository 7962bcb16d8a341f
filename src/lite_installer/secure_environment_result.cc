#include "lite_installer/secure_environment_result.h"

#include "lite_installer/exit_codes.h"

namespace lite_installer {

SecureEnvironmentAction ActOnSecureEnvironment(int result, int relaunch_exit_code) {
  switch (result) {
    case kSecureEnvironmentRelaunchRefused:
      return {true, relaunch_exit_code, "Exiting, because of insecure environment."};
    case kSecureEnvironmentUnavailable:
      return {false, 0, "Can't find secure environment."};
    case kSecureEnvironmentInForce:
      return {false, 0, "Runned in secure environment."};
    case kSecureEnvironmentDllFilesFound:
      return {true, kExitDllFilesFound, "Exiting, DLL files found in working directory"};
    case kSecureEnvironmentRelaunchFinished:
      return {true, relaunch_exit_code, nullptr};
    default:
      return {};
  }
}

}  // namespace lite_installer

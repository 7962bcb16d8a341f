// What start-up does with the verdict of the secure-environment check.
#ifndef LITE_INSTALLER_SECURE_ENVIRONMENT_RESULT_H_
#define LITE_INSTALLER_SECURE_ENVIRONMENT_RESULT_H_

namespace lite_installer {

enum SecureEnvironmentResult {
  // Relaunched from a protected directory; that copy ended with -200 or could not be awaited.
  kSecureEnvironmentRelaunchRefused = 0,
  kSecureEnvironmentUnavailable = 1,
  kSecureEnvironmentInForce = 2,
  kSecureEnvironmentDllFilesFound = 3,
  // Relaunched from a protected directory; that copy ended with another code.
  kSecureEnvironmentRelaunchFinished = 4,
};

struct SecureEnvironmentAction {
  bool exit = false;
  int exit_code = 0;
  const char* log_line = nullptr;  // null: nothing is logged
};

// |relaunch_exit_code| is the relaunched copy's exit code, 0 when it was not obtained.
// Values outside the enumeration let start-up go on without a word.
SecureEnvironmentAction ActOnSecureEnvironment(int result, int relaunch_exit_code);

}  // namespace lite_installer

#endif  // LITE_INSTALLER_SECURE_ENVIRONMENT_RESULT_H_

#include <gtest/gtest.h>

#include <string>

#include "lite_installer/secure_environment_result.h"

namespace lite_installer {
namespace {

TEST(SecureEnvironmentAction, EachVerdictHasItsExitAndLine) {
  struct Case {
    int result;
    int relaunch_exit_code;
    bool exit;
    int exit_code;
    const char* line;
  } cases[] = {
      {0, -200, true, -200, "Exiting, because of insecure environment."},
      {0, 0, true, 0, "Exiting, because of insecure environment."},
      {1, 0, false, 0, "Can't find secure environment."},
      {2, 0, false, 0, "Runned in secure environment."},
      {3, 0, true, -200, "Exiting, DLL files found in working directory"},
      {4, 77, true, 77, nullptr},
      {-1, 5, false, 0, nullptr},
      {9, 5, false, 0, nullptr},
  };
  for (const Case& c : cases) {
    const SecureEnvironmentAction action = ActOnSecureEnvironment(c.result, c.relaunch_exit_code);
    EXPECT_EQ(action.exit, c.exit) << c.result;
    if (c.exit) {
      EXPECT_EQ(action.exit_code, c.exit_code) << c.result;
    }
    EXPECT_EQ(std::string(action.log_line ? action.log_line : "<none>"), c.line ? c.line : "<none>") << c.result;
  }
}

}  // namespace
}  // namespace lite_installer

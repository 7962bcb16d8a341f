#include <gtest/gtest.h>

#include "lite_installer/master_installer_id.h"
#include "test_support_win.h"

namespace lite_installer {
namespace {

// The id lives in a shared section of the executable image: a value written by another process
// started from the same file is what this process reads.
TEST(MasterInstallerId, IsSharedByProcessesOfTheSameFile) {
  SetMasterInstallerId(0);
  base::ScopedHandle child = test::StartChild(L"write-master-id 424242");
  ASSERT_TRUE(child.IsValid());
  ASSERT_EQ(test::WaitForExitCode(child.Get()), 0u);
  EXPECT_EQ(GetMasterInstallerId(), 424242u);

  SetMasterInstallerId(77);
  child = test::StartChild(L"write-master-id 5");
  ASSERT_EQ(test::WaitForExitCode(child.Get()), 0u);
  EXPECT_EQ(GetMasterInstallerId(), 5u);
}

}  // namespace
}  // namespace lite_installer

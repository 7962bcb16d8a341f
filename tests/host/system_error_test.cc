#include <gtest/gtest.h>

#include "base/system_error.h"

namespace base {
namespace {

TEST(SystemErrorText, CodeThenTextOrUnknownInHex) {
  EXPECT_EQ(ComposeSystemErrorText(2, "The system cannot find the file specified.\r\n"),
            "2, The system cannot find the file specified.\r\n");
  EXPECT_EQ(ComposeSystemErrorText(12029, ""), "12029, unknown error 0x2efd\n");
  EXPECT_EQ(ComposeSystemErrorText(0x80070005u, ""), "2147942405, unknown error 0x80070005\n");
  EXPECT_EQ(ComposeSystemErrorText(0, ""), "0, unknown error 0x0\n");
}

}  // namespace
}  // namespace base

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/system_error.h"

namespace base {
namespace {

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(FormatSystemError, SystemCodesCarryTheSystemTextAsReturned) {
  const std::string text = FormatSystemError(ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(text.rfind("2, ", 0), 0u) << text;
  EXPECT_EQ(text.find("unknown error"), std::string::npos) << text;
  EXPECT_GT(text.size(), 5u);
  EXPECT_TRUE(EndsWith(text, "\r\n")) << "the system's line break is kept: " << text;
}

TEST(FormatSystemError, NetworkCodesComeFromTheNetworkLibraries) {
  // ERROR_INTERNET_TIMEOUT: unknown to the system table, defined by wininet.dll's.
  const std::string text = FormatSystemError(12002);
  EXPECT_EQ(text.rfind("12002, ", 0), 0u) << text;
  EXPECT_EQ(text.find("unknown error"), std::string::npos) << text;
}

TEST(FormatSystemError, UnknownCodesAreNamedInHex) {
  EXPECT_EQ(FormatSystemError(0x2ffffff1u), "805306353, unknown error 0x2ffffff1\n");
}

}  // namespace
}  // namespace base

#include <gtest/gtest.h>

#include "base/utf_string.h"

namespace base {
namespace {

TEST(UtfString, RoundTripsEveryPlane) {
  const std::string utf8 = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z";  // a é € 😀 z
  const std::wstring wide = Utf8ToWide(utf8);
  EXPECT_EQ(wide.size(), sizeof(wchar_t) == 2 ? 6u : 5u);
  EXPECT_EQ(WideToUtf8(wide), utf8);
}

TEST(UtfString, MalformedInputBecomesReplacementCharacters) {
  const std::string replacement = "\xef\xbf\xbd";
  struct Case {
    std::string input;
    std::string expected;
  } cases[] = {
      {"\xff", replacement},
      {"a\xc3", "a" + replacement},                               // truncated sequence
      {"\xc0\xaf", replacement + replacement},                    // overlong '/'
      {"\xed\xa0\x80", replacement + replacement + replacement},  // encoded surrogate
      {"\xe2\x82x", replacement + replacement + "x"},             // stray continuation byte
  };
  for (const Case& c : cases) EXPECT_EQ(WideToUtf8(Utf8ToWide(c.input)), c.expected) << c.input;
}

TEST(UtfString, UnpairedSurrogateIsReplaced) {
  std::wstring wide = L"x";
  wide.push_back(static_cast<wchar_t>(0xD800));
  EXPECT_EQ(WideToUtf8(wide), "x\xef\xbf\xbd");
}

}  // namespace
}  // namespace base

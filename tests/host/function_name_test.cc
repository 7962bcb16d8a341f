#include <gtest/gtest.h>

#include <string>

#include "base/function_name.h"

// Functions whose compiler-made signatures the log must name, shaped like the installer's own.
namespace lite_installer {
class Installer {
 public:
  Installer() : constructed_as(__PRETTY_FUNCTION__) {}
  virtual ~Installer() = default;
  virtual const char* Download(int, const std::string&) { return __PRETTY_FUNCTION__; }
  static const char* IsUserAnAdminGroup() { return __PRETTY_FUNCTION__; }
  const char* Query() const { return __PRETTY_FUNCTION__; }
  const char* operator()(int) { return __PRETTY_FUNCTION__; }
  template <typename T>
  const char* Typed(T) {
    return __PRETTY_FUNCTION__;
  }
  std::string InLambda() {
    auto lambda = [](int) { return __PRETTY_FUNCTION__; };
    return lambda(1);
  }
  const char* constructed_as;
};
namespace {
const char* Hidden() { return __PRETTY_FUNCTION__; }
}  // namespace
}  // namespace lite_installer

namespace installer {
const char* StoreValueInRegistry(const wchar_t*, int) { return __PRETTY_FUNCTION__; }
}  // namespace installer

int wWinMainLike(int, char**) { return 0; }
const char* WinMainName() { return __PRETTY_FUNCTION__; }

namespace base {
namespace {

TEST(LogFunctionName, NamesCompilerSignaturesAsTheCodeStatesThem) {
  lite_installer::Installer installer;
  struct Case {
    std::string pretty;
    const char* expected;
  } cases[] = {
      {installer.Download(1, ""), "virtual Installer::Download"},
      {lite_installer::Installer::IsUserAnAdminGroup(), "static Installer::IsUserAnAdminGroup"},
      {installer.constructed_as, "Installer::Installer"},
      {installer.Query(), "Installer::Query"},
      {installer(1), "Installer::operator()"},
      {installer.Typed(1.5), "Installer::Typed"},
      {installer.InLambda(), "Installer::InLambda"},
      {lite_installer::Hidden(), "Hidden"},
      {installer::StoreValueInRegistry(L"", 0), "installer::StoreValueInRegistry"},
      {WinMainName(), "WinMainName"},
  };
  for (const Case& c : cases) EXPECT_EQ(LogFunctionName(c.pretty), c.expected) << c.pretty;
}

TEST(LogFunctionName, HandWrittenNamesPassThrough) {
  for (const char* name : {"wWinMain", "installer::StoreValueInRegistry", "virtual Installer::Download",
                           "static InstallUACUtil::IsUserAnAdminGroup", "BrandPackageInfo::ApplyBrandInfo"}) {
    EXPECT_EQ(LogFunctionName(name), name);
  }
  EXPECT_EQ(LogFunctionName(""), "");
  EXPECT_EQ(LogFunctionName("int __stdcall wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)"), "wWinMain");
  EXPECT_EQ(LogFunctionName("std::map<int, std::basic_string<char> > lite_installer::Get()"), "Get");
  EXPECT_EQ(LogFunctionName("lite_installer::Foo::operator bool() const"), "Foo::operator bool");
}

}  // namespace
}  // namespace base

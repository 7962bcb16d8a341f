#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "test_support_win.h"

namespace {

std::wstring InstallerPath() { return test::SelfDirectory() + L"lite_installer.exe"; }

struct InstallerRun {
  DWORD exit_code = STILL_ACTIVE;
  std::vector<std::string> messages;  // the text of each log line, between "INFO: " and the location
};

// Runs the installer with its temporary directory (and so its log) in a fresh directory.
InstallerRun RunInstaller(const test::ScopedTempDir& temp, const std::wstring& arguments) {
  std::wstring dir = temp.path();
  dir.pop_back();
  base::ScopedHandle process = test::StartProcess(InstallerPath(), arguments, {L"TMP=" + dir, L"TEMP=" + dir});
  InstallerRun run;
  if (!process.IsValid()) {
    ADD_FAILURE() << "can't start the installer";
    return run;
  }
  run.exit_code = test::WaitForExitCode(process.Get());
  const std::regex format(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \d{2,}:\d{2,} INFO: (.*) \(wWinMain:\d+\))");
  for (const std::string& line : test::SplitLines(test::ReadFileBytes(temp.path() + L"lite_installer.log"))) {
    std::smatch match;
    if (std::regex_match(line, match, format)) {
      run.messages.push_back(match[1]);
    } else {
      ADD_FAILURE() << "unexpected log line: " << line;
    }
  }
  return run;
}

TEST(EntryPoint, RolesFollowTheStartUpOrder) {
  struct Case {
    const wchar_t* arguments;
    DWORD exit_code;
    std::vector<std::string> expected;  // a line starting with '~' is matched as a prefix
  } cases[] = {
      {L"--silent",
       400,
       {"-------------------------------------- Start install.", "Lite installer mode.", "~Installer process id: ",
        "~Temporary path is: ", "Installing in silent mode.", "Installer exit with code: 400"}},
      {L"",
       400,
       {"-------------------------------------- Start install.", "Lite installer mode.",
        "~Installer process id: ", "~Temporary path is: ", "Installer exit with code: 400"}},
      // The elevated copy never reaches the window system or the single-instance lock.
      {L"--run-as-admin", static_cast<DWORD>(-1), {"-------------------------------------- Start install."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "arguments: " << std::string(c.arguments, c.arguments + wcslen(c.arguments)));
    test::ScopedTempDir temp;
    const InstallerRun run = RunInstaller(temp, c.arguments);
    EXPECT_EQ(run.exit_code, c.exit_code);
    ASSERT_EQ(run.messages.size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i) {
      const std::string& want = c.expected[i];
      if (want[0] == '~') {
        EXPECT_EQ(run.messages[i].rfind(want.substr(1), 0), 0u) << run.messages[i];
      } else {
        EXPECT_EQ(run.messages[i], want);
      }
    }
  }
}

TEST(EntryPoint, SuccessiveRunsAppendToTheSameLog) {
  test::ScopedTempDir temp;
  RunInstaller(temp, L"--silent");
  const InstallerRun second = RunInstaller(temp, L"--silent");
  EXPECT_EQ(second.messages.size(), 12u);
}

TEST(LiteInstallerExecutable, CarriesVersionManifestAndIcon) {
  const std::wstring path = InstallerPath();
  DWORD ignored = 0;
  std::vector<char> info(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, (25u << 16) | 2u);
  EXPECT_EQ(fixed->dwFileVersionLS, (5u << 16) | 956u);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

  HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(::FindResourceW(module, MAKEINTRESOURCEW(IDI_KORVEL_INSTALLER), MAKEINTRESOURCEW(14)), nullptr)
      << "icon group 900";
  HRSRC manifest = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(manifest, nullptr);
  const char* text = static_cast<const char*>(::LockResource(::LoadResource(module, manifest)));
  const std::string manifest_text(text, ::SizeofResource(module, manifest));
  EXPECT_NE(manifest_text.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest_text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest_text.find("<dpiAware"), std::string::npos);
  ::FreeLibrary(module);
}

}  // namespace

#include "test_support_win.h"

#include <cwctype>

namespace test {

namespace {

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

std::wstring VariableName(const std::wstring& entry) { return Lower(entry.substr(0, entry.find(L'=', 1))); }

void RemoveTree(const std::wstring& directory) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((directory + L"*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = directory + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full + L"\\");
      } else {
        ::DeleteFileW(full.c_str());
      }
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(directory.c_str());
}

}  // namespace

std::wstring SelfPath() {
  wchar_t buffer[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return std::wstring(buffer, length);
}

std::wstring SelfDirectory() {
  const std::wstring self = SelfPath();
  return self.substr(0, self.find_last_of(L"\\/") + 1);
}

ScopedTempDir::ScopedTempDir() {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + UniqueName(L"korvel_test_") + L"\\";
  ::CreateDirectoryW(path_.c_str(), nullptr);
}

ScopedTempDir::~ScopedTempDir() { RemoveTree(path_); }

std::wstring UniqueName(const wchar_t* prefix) {
  static LONG counter = 0;
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return std::wstring(prefix) + std::to_wstring(::GetCurrentProcessId()) + L"_" +
         std::to_wstring(::InterlockedIncrement(&counter)) + L"_" + std::to_wstring(now.QuadPart);
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileBytes(const std::wstring& path) {
  base::ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        0, nullptr));
  std::string bytes;
  if (!file.IsValid()) return bytes;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  base::ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (file.IsValid()) ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

base::ScopedHandle StartProcess(const std::wstring& exe, const std::wstring& arguments,
                                const std::vector<std::wstring>& environment) {
  std::wstring command_line = L"\"" + exe + L"\" " + arguments;
  std::wstring block;
  if (!environment.empty()) {
    std::vector<std::wstring> names;
    for (const std::wstring& entry : environment) names.push_back(VariableName(entry));
    wchar_t* current = ::GetEnvironmentStringsW();
    for (const wchar_t* p = current; *p; p += wcslen(p) + 1) {
      const std::wstring entry = p;
      bool replaced = false;
      for (const std::wstring& name : names) replaced = replaced || VariableName(entry) == name;
      if (!replaced) block += entry + L'\0';
    }
    ::FreeEnvironmentStringsW(current);
    for (const std::wstring& entry : environment) block += entry + L'\0';
    block += L'\0';
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(exe.c_str(), &command_line[0], nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        block.empty() ? nullptr : &block[0], nullptr, &startup, &info)) {
    return base::ScopedHandle();
  }
  ::CloseHandle(info.hThread);
  return base::ScopedHandle(info.hProcess);
}

base::ScopedHandle StartChild(const std::wstring& role_and_arguments) {
  return StartProcess(SelfPath(), L"--child=" + role_and_arguments);
}

DWORD WaitForExitCode(HANDLE process, DWORD timeout_ms) {
  if (::WaitForSingleObject(process, timeout_ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process, &code);
  return code;
}

bool WaitForNamedEvent(HANDLE event, DWORD timeout_ms) {
  return ::WaitForSingleObject(event, timeout_ms) == WAIT_OBJECT_0;
}

}  // namespace test

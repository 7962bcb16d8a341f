// Starts a program, waits for it and prints its full 32-bit exit code, which a Unix shell would
// only see modulo 256 (400 arrives as 144). Used by the demo:
//   exit_code_runner.exe program.exe [arguments...]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Quotes one argument the way CommandLineToArgvW reads it back.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: exit_code_runner program.exe [arguments...]\n");
    return 2;
  }
  std::wstring command_line;
  for (int i = 1; i < argc; ++i) command_line += (i > 1 ? L" " : L"") + Quote(argv[i]);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(nullptr, &command_line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    std::fprintf(stderr, "can't start the program: error %lu\n", ::GetLastError());
    return 2;
  }
  ::WaitForSingleObject(info.hProcess, INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(info.hProcess, &code);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  std::printf("exit code: %ld\n", static_cast<long>(code));
  return 0;
}

#include <windows.h>

#include <string>

#include "base/system_error.h"
#include "base/utf_string.h"

namespace base {

namespace {

constexpr DWORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);  // 1033
constexpr DWORD kMaxMessageChars = 1024;

std::string MessageFrom(DWORD flags, HMODULE module, uint32_t code) {
  wchar_t buffer[kMaxMessageChars];
  const DWORD length = ::FormatMessageW(flags | FORMAT_MESSAGE_IGNORE_INSERTS, module, code, kUsEnglish, buffer,
                                        kMaxMessageChars, nullptr);
  return length ? WideToUtf8(std::wstring_view(buffer, length)) : std::string();
}

// Message tables of the network libraries, which define the WinINet and URL moniker codes.
std::string NetworkLibraryMessage(const wchar_t* library, uint32_t code) {
  if (HMODULE loaded = ::GetModuleHandleW(library)) return MessageFrom(FORMAT_MESSAGE_FROM_HMODULE, loaded, code);
  // Only the system's own copy, never one planted beside the installer.
  wchar_t path[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::wstring full(path, length);
  full += L'\\';
  full += library;
  HMODULE module = ::LoadLibraryExW(full.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return std::string();
  std::string text = MessageFrom(FORMAT_MESSAGE_FROM_HMODULE, module, code);
  ::FreeLibrary(module);
  return text;
}

}  // namespace

std::string FormatSystemError(uint32_t code) {
  std::string text = MessageFrom(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code);
  if (text.empty()) text = NetworkLibraryMessage(L"wininet.dll", code);
  if (text.empty()) text = NetworkLibraryMessage(L"urlmon.dll", code);
  return ComposeSystemErrorText(code, text);
}

}  // namespace base

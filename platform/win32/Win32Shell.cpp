#include "platform/win32/Win32Shell.h"

#include <optional>

#include "platform/win32/Win32ShellHandOver.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

// An empty verb, parameter list or folder is passed as no argument at all, which the shell
// reads as "the default verb", "no parameters" and "the current folder".
std::optional<std::wstring> WideOrNone(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return ToWide(text);
}

const wchar_t* PointerOrNull(const std::optional<std::wstring>& text) {
  return text ? text->c_str() : nullptr;
}

}  // namespace

int Win32Shell::Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& directory,
                        int showCommand) {
  const auto wideVerb = WideOrNone(verb);
  const auto wideParameters = WideOrNone(parameters);
  const auto wideDirectory = WideOrNone(directory);
  // The file is passed as given, even when empty: the shell then answers with its own error.
  const std::wstring wideFile = ToWide(file);
  const HINSTANCE result =
      ShellHandOver(ToHwnd(owner), PointerOrNull(wideVerb), wideFile.c_str(),
                    PointerOrNull(wideParameters), PointerOrNull(wideDirectory), showCommand);
  // The result is a status code dressed as a handle; codes above 32 mean success.
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace platform::win32

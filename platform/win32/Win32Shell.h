#pragma once
// Starting programs, documents and addresses through ShellExecuteW.
#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include "platform/Shell.h"

namespace platform::win32 {

class Win32Shell final : public Shell {
 public:
  // The call that finally hands a request to the shell, shaped like ShellExecuteW. The program
  // uses ShellExecuteW itself; the start-up benchmark puts in one that only notes the moment.
  using HandOverFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

  explicit Win32Shell(HandOverFunction handOver = &ShellExecuteW) : handOver_(handOver) {}

  int Execute(WindowHandle owner, const std::string& verb, const std::string& file,
              const std::string& parameters, const std::string& directory,
              int showCommand) override;

 private:
  HandOverFunction handOver_;
};

}  // namespace platform::win32

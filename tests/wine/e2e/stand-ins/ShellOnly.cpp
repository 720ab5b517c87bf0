// A Windows program that only asks the shell to open its command line (the way the launcher
// starts a viewer) and ends: the floor that any view-source start through the shell pays
// under Wine, shown beside the empty program in the start-up benchmark.
#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"Open", commandLine, nullptr, nullptr, SW_SHOW));
  return result > 32 ? 0 : 1;
}

#pragma once
// A scripted user for tests of windows: steps run from a thread timer, so they act inside
// whatever modal loop is running (a menu's, a message box's or the application's), as a
// person at the screen would.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

namespace platform::win32 {

// Steps of a scripted user, tried on every timer tick; a step returns true once it is done.
// Anything still pending after the time limit is abandoned and the loop under test is ended.
class ScriptedUser {
 public:
  using Step = std::function<bool()>;

  explicit ScriptedUser(std::function<void()> onTimeout = [] { PostQuitMessage(0); })
      : onTimeout_(std::move(onTimeout)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 20, &ScriptedUser::Tick);
    deadline_ = GetTickCount64() + 10000;
  }
  ~ScriptedUser() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  void Then(Step step) { steps_.push_back(std::move(step)); }
  bool Finished() const { return steps_.empty(); }
  bool TimedOut() const { return timedOut_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ScriptedUser* user = current_;
    if (user == nullptr || user->busy_) return;
    user->busy_ = true;  // a step may run a modal loop that ticks again
    if (!user->steps_.empty() && user->steps_.front()()) user->steps_.pop_front();
    if (!user->steps_.empty() && GetTickCount64() > user->deadline_ && !user->timedOut_) {
      user->timedOut_ = true;
      user->steps_.clear();
      user->onTimeout_();
    }
    user->busy_ = false;
  }

  static inline ScriptedUser* current_ = nullptr;
  std::deque<Step> steps_;
  std::function<void()> onTimeout_;
  UINT_PTR timer_ = 0;
  ULONGLONG deadline_ = 0;
  bool busy_ = false;
  bool timedOut_ = false;
};

// The visible window of the class that this thread owns, or null.
inline HWND FindOwnWindowOfClass(const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    HWND found;
  } search{className, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) == s->className && IsWindowVisible(window)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace platform::win32

#pragma once
// File dialogs for tests: each call records its options and takes the next scripted answer
// (a path, or nothing for Cancel); with no answer left the user cancels.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

namespace platform::memory {

class MemoryFileDialogs : public FileDialogs {
 public:
  enum class Kind { Open, Save };
  struct Shown {
    Kind kind;
    WindowHandle owner;
    FileDialogOptions options;
  };

  std::deque<std::optional<std::string>> answers;
  std::vector<Shown> shown;

  std::optional<std::string> Open(WindowHandle owner, const FileDialogOptions& options) override {
    return Answer(Kind::Open, owner, options);
  }
  std::optional<std::string> Save(WindowHandle owner, const FileDialogOptions& options) override {
    return Answer(Kind::Save, owner, options);
  }

 private:
  std::optional<std::string> Answer(Kind kind, WindowHandle owner,
                                    const FileDialogOptions& options) {
    shown.push_back({kind, owner, options});
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace platform::memory

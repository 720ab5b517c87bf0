#pragma once
// Small value types of the form layer: where a control sits and how its text looks.
#include "platform/Types.h"

namespace platform {

// A control's place and size in client pixels of its form at 96 DPI.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The few text colours the forms use; Default is the system's colour for the control.
enum class TextColor { Default, Blue, Olive, Link, LinkHover, LinkPressed };

enum class TextAlign { Left, Center, Right };

struct Look {
  bool bold = false;
  TextColor color = TextColor::Default;
  TextAlign align = TextAlign::Left;
  friend bool operator==(const Look&, const Look&) = default;
};

// The face and pixel height every form of the programs uses.
inline constexpr const char* kFormFontName = "ＭＳ Ｐゴシック";
inline constexpr int kFormFontHeight = 12;

}  // namespace platform

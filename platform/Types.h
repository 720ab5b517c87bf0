#pragma once
// Small value types shared by every platform interface.
#include <cstdint>

namespace platform {

// A window as the platform knows it; 0 stands for "no window".
using WindowHandle = std::uintptr_t;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace platform

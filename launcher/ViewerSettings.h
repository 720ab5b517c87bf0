#pragma once
// The three viewer slots for browser pages and the rule that turns a slot's options and a
// file path into the viewer's start parameters.
#include <array>
#include <string>
#include <string_view>

#include "shared/TIniGT.h"

struct ViewerSlot {
  std::string executable;  // started as stored, not quoted
  std::string options;     // placed before the file path
  std::string extension;   // without the dot; empty for none
};

constexpr int kViewerSlotCount = 3;

struct ViewerSettings {
  int selected = 0;  // the stored Chk_IE value, which may name no slot
  std::array<ViewerSlot, kViewerSlotCount> slots;

  // The slot Chk_IE names. A value outside 0..2 names none; the first slot, the one a missing
  // key selects, stands in for it.
  const ViewerSlot& Selected() const;
};

ViewerSettings ReadViewerSettings(const TIniGT& settings);

// The viewer's start parameters: with options " <options> \"<path>\"", without "\"<path>\"".
// The path is always whole: a shortened path would name another file.
std::string BuildViewerParameters(std::string_view options, std::string_view path);
// The same rule in UTF-16, for paths that code page 932 cannot hold (Explorer's selection).
std::u16string BuildViewerParameters(std::u16string_view options, std::u16string_view path);

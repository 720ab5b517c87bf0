#include "platform/win32/Win32Look.h"

#include <string>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {

namespace {

HFONT MakeFormFont(UINT dpi, int weight, bool underlined) {
  const std::wstring face = ToWide(kFormFontName);
  // A negative height asks for the character height without the internal leading, as the
  // form font's pixel height means.
  return CreateFontW(-ScaleForDpi(kFormFontHeight, dpi), 0, 0, 0, weight, FALSE, underlined, FALSE,
                     SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

}  // namespace

int ScaleForDpi(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

COLORREF ColourOf(TextColor color) {
  switch (color) {
    case TextColor::Blue:
      return RGB(0, 0, 255);
    case TextColor::Olive:
      return RGB(128, 128, 0);
    case TextColor::Link:
      return RGB(0, 0, 255);
    case TextColor::LinkHover:
      return RGB(255, 0, 0);
    case TextColor::LinkPressed:
      return RGB(128, 0, 128);
    case TextColor::Default:
      break;
  }
  return GetSysColor(COLOR_BTNTEXT);
}

Win32FormFonts::Win32FormFonts(UINT dpi)
    : dpi_(dpi),
      plain_(MakeFormFont(dpi, FW_NORMAL, false)),
      bold_(MakeFormFont(dpi, FW_BOLD, false)),
      underlined_(MakeFormFont(dpi, FW_NORMAL, true)) {}

Win32FormFonts::~Win32FormFonts() {
  for (HFONT font : {plain_, bold_, underlined_}) {
    if (font != nullptr) DeleteObject(font);
  }
}

}  // namespace platform::win32

#pragma once
// How the forms look on screen: sizes scaled from 96 DPI to the monitor's, the form font in
// its plain, bold and underlined cuts, and the text colours of the form layer.
#include <windows.h>

#include "platform/forms/FormTypes.h"

namespace platform::win32 {

// Pixels at 96 DPI as pixels at the DPI, rounded to the nearest.
int ScaleForDpi(int pixels, UINT dpi);

// The colour of a text colour other than Default.
COLORREF ColourOf(TextColor color);

// The form font ("ＭＳ Ｐゴシック", 12 pixels at 96 DPI) at one DPI, in the Shift_JIS
// character set.
class Win32FormFonts {
 public:
  explicit Win32FormFonts(UINT dpi);
  Win32FormFonts(const Win32FormFonts&) = delete;
  Win32FormFonts& operator=(const Win32FormFonts&) = delete;
  ~Win32FormFonts();

  UINT Dpi() const { return dpi_; }
  HFONT Plain() const { return plain_; }
  HFONT Bold() const { return bold_; }
  HFONT Underlined() const { return underlined_; }

 private:
  UINT dpi_;
  HFONT plain_;
  HFONT bold_;
  HFONT underlined_;
};

}  // namespace platform::win32

#include "platform/win32/Win32Platform.h"

#include <objbase.h>

namespace platform::win32 {

ComApartment::ComApartment()
    : joined_(
          SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
  if (joined_) CoUninitialize();
}

Win32Platform::Win32Platform()
    : platform_{files_, folders_,   codePage_,    registry_,   shell_,
                ui_,    process_, popupMenu_, application_, fileDialogs_} {}

}  // namespace platform::win32

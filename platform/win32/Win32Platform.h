#pragma once
// The Win32 implementation of every platform part, owned in one place, handed to a program as
// a platform::Platform. Creating it joins the thread to a single-threaded COM apartment, as
// the shell asks of programs that call ShellExecute.
#include "platform/Platform.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32PopupMenu.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32Ui.h"

namespace platform::win32 {

// Joins the thread to a single-threaded apartment for the object's lifetime.
class ComApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();

 private:
  bool joined_ = false;
};

class Win32Platform {
 public:
  Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  platform::Platform& Get() { return platform_; }

 private:
  ComApartment apartment_;
  Win32FileSystem files_;
  Win32SystemFolders folders_;
  Win32CodePage codePage_;
  Win32Registry registry_;
  Win32Shell shell_;
  Win32Ui ui_;
  Win32Process process_;
  Win32Application application_;
  Win32PopupMenu popupMenu_{application_};
  Win32FileDialogs fileDialogs_;
  platform::Platform platform_;
};

}  // namespace platform::win32

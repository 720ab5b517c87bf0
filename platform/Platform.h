#pragma once
// Everything a program reaches of the operating system, in one bundle. Each program's main
// fills it with the Win32 implementation; tests fill it with the in-memory one.
#include "platform/Application.h"
#include "platform/CodePage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/PopupMenu.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"
#include "platform/Ui.h"

namespace platform {

struct Platform {
  FileSystem& files;
  SystemFolders& folders;
  CodePage& codePage;
  Registry& registry;
  Shell& shell;
  Ui& ui;
  Process& process;
  PopupMenu& popupMenu;
  Application& application;
  FileDialogs& fileDialogs;
};

}  // namespace platform

#pragma once
// One of every in-memory platform part, bundled as a platform::Platform for tests. The parts
// are public so that a test sets up its answers and looks at what happened.
#include "platform/Platform.h"
#include "platform/memory/MemoryApplication.h"
#include "platform/memory/MemoryCodePage.h"
#include "platform/memory/MemoryFileDialogs.h"
#include "platform/memory/MemoryFileSystem.h"
#include "platform/memory/MemoryPopupMenu.h"
#include "platform/memory/MemoryProcess.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryShell.h"
#include "platform/memory/MemorySystemFolders.h"
#include "platform/memory/MemoryUi.h"

namespace platform::memory {

class MemoryPlatform {
 public:
  MemoryPlatform() = default;
  MemoryPlatform(const MemoryPlatform&) = delete;
  MemoryPlatform& operator=(const MemoryPlatform&) = delete;

  MemoryFileSystem files;
  MemorySystemFolders folders;
  MemoryCodePage codePage;
  MemoryRegistry registry;
  MemoryShell shell;
  MemoryUi ui;
  MemoryProcess process;
  MemoryPopupMenu popupMenu;
  MemoryApplication application;
  MemoryFileDialogs fileDialogs;

  // The bundle the programs take; it refers to the parts above.
  Platform platform{files, folders,   codePage,    registry,   shell,
                    ui,    process, popupMenu, application, fileDialogs};
};

}  // namespace platform::memory

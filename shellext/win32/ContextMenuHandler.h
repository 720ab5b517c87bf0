#pragma once
// The context-menu handler Explorer creates for each right-click on files or folders:
// IShellExtInit takes the selection, IContextMenu adds the entries and carries out the one
// chosen.
#include <windows.h>
// shellapi.h gives the SEE_MASK_ flags that the CMIC_MASK_ flags of shlobj.h are made of.
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <optional>

#include "platform/win32/Win32CodePage.h"
#include "shellext/ContextMenuPlan.h"
#include "shellext/ExplorerSettings.h"
#include "shellext/Selection.h"

namespace shellext {

class ContextMenuHandler final : public IShellExtInit, public IContextMenu {
 public:
  ContextMenuHandler();  // with one reference, the creator's
  ContextMenuHandler(const ContextMenuHandler&) = delete;
  ContextMenuHandler& operator=(const ContextMenuHandler&) = delete;

  STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progId) override;

  STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                UINT flags) override;
  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
  STDMETHODIMP GetCommandString(UINT_PTR offset, UINT type, UINT* reserved, CHAR* name,
                                UINT size) override;

 private:
  ~ContextMenuHandler();

  // Reads the settings and plans the menu for the selection.
  void Plan();
  // The offset of the command that the invocation names by offset or by verb.
  std::optional<std::size_t> ChosenCommand(const CMINVOKECOMMANDINFO& info) const;

  std::atomic<ULONG> references_{1};
  platform::win32::Win32CodePage codePage_;
  Selection selection_;
  ExplorerSettings settings_;
  std::optional<ContextMenuPlan> plan_;
};

}  // namespace shellext

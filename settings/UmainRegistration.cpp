// The registration steps of the main window's apply sequence: the launcher as Internet
// Explorer's view-source editor, the browser's context-menu entry that runs the script, and
// the Explorer context-menu component. Each reads its switch from the setup page's box as it
// stands, not from the settings file.
//
// A deletion counts as failed when the key is still there afterwards, so that a registration
// the user switched off but the registry kept is reported, not passed over as done; a key that
// was missing counts as deleted.
#include <array>
#include <cstdint>
#include <string>

#include "settings/ProgramForms.h"
#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"
#include "settings/Umain.h"

namespace {

using platform::RegistryRoot;

constexpr const char* kViewSourceEditorKey =
    "\\SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
constexpr const char* kEditorNameKey =
    "\\SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
constexpr const char* kMenuKey =
    "\\Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)";
constexpr const char* kContextsValue = "contexts";

// Internet Explorer's contexts of a context-menu entry: the page itself and a text selection.
constexpr std::uint32_t kContextDefault = 0x01;
constexpr std::uint32_t kContextTextSelection = 0x10;

constexpr const char* kClassId = "{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
constexpr std::array<const char*, 3> kHandlerKeys{
    "*\\shellex\\ContextMenuHandlers\\TobrinPlus",
    "Directory\\shellex\\ContextMenuHandlers\\TobrinPlus",
    "Folder\\shellex\\ContextMenuHandlers\\TobrinPlus",
};
constexpr const char* kClassKey = "CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
constexpr const char* kServerKey = "CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}\\InProcServer32";
constexpr const char* kClassDescription = "TobrinPlus ContextMenu ShellExtension";
constexpr const char* kThreadingModelValue = "ThreadingModel";
constexpr const char* kThreadingModel = "Apartment";

}  // namespace

void TfmMAIN::SetVSE() {
  std::string path;
  if (forms_.fmSetUp.CB_IE_View.Checked()) {
    path = ProgramFolder(platform_) + std::string(settings_text::kLauncherFileName);
  }
  platform::Registry& registry = platform_.registry;
  bool ok = registry.DeleteTree(RegistryRoot::LocalMachine, kViewSourceEditorKey);
  if (ok && !path.empty()) {
    ok = registry.WriteText(RegistryRoot::LocalMachine, kEditorNameKey, "", "\"" + path + "\"");
  }
  if (!ok) {
    SetOK = false;
    ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(),
                        settings_text::kViewSourceFailed, platform::MessageIcon::Error);
  }
}

void TfmMAIN::SetMENU() {
  const std::string scriptPath =
      ProgramFolder(platform_) + std::string(settings_text::kScriptFileName);
  platform::Registry& registry = platform_.registry;
  if (!registry.DeleteTree(RegistryRoot::CurrentUser, kMenuKey)) {
    SetOK = false;
    ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(),
                        settings_text::kMenuDeleteFailed, platform::MessageIcon::Error);
  }
  if (!forms_.fmSetUp.CB_IE_Menu.Checked()) return;

  // Always offered on a selection; on the page too once an enabled site sends the page.
  std::uint32_t contexts = kContextTextSelection;
  for (int i = 0; i < TfmIE_Set::kSiteCount; ++i) {
    const TfmIE_Set::SiteControls site = forms_.fmIE_Set.Site(i);
    if (site.enabled.Checked() && site.target.ItemIndex() == 0) contexts |= kContextDefault;
  }
  const bool ok =
      registry.WriteText(RegistryRoot::CurrentUser, kMenuKey, "", scriptPath) &&
      registry.WriteNumber(RegistryRoot::CurrentUser, kMenuKey, kContextsValue, contexts);
  if (!ok) {
    SetOK = false;
    ShowSettingsMessage(platform_, Handle(), settings_text::kMenuWriteFailed,
                        platform::MessageIcon::Error);
  }
}

void TfmMAIN::SetDLL() {
  if (forms_.fmSetUp.CB_SHELL.Checked()) {
    if (!RegisterShellExtension()) {
      SetOK = false;
      ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(),
                          settings_text::kDllRegisterFailed, platform::MessageIcon::Error);
    }
  } else if (!UnregisterShellExtension()) {
    SetOK = false;
    ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(),
                        settings_text::kDllUnregisterFailed, platform::MessageIcon::Error);
  }
}

// Existing entries are overwritten; what was written before a refused write stays.
bool TfmMAIN::RegisterShellExtension() {
  platform::Registry& registry = platform_.registry;
  const RegistryRoot root = RegistryRoot::ClassesRoot;
  for (const char* handlerKey : kHandlerKeys) {
    if (!registry.WriteText(root, handlerKey, "", kClassId)) return false;
  }
  const std::string serverPath =
      ProgramFolder(platform_) + std::string(settings_text::kShellExtensionFileName);
  return registry.WriteText(root, kClassKey, "", kClassDescription) &&
         registry.WriteText(root, kServerKey, "", serverPath) &&
         registry.WriteText(root, kServerKey, kThreadingModelValue, kThreadingModel);
}

// Removes the entries only when the handler for all files names our class exactly, so that
// another program's handler of the same name is left alone. The class key goes last: it stays
// while any handler that names it could not be removed.
bool TfmMAIN::UnregisterShellExtension() {
  platform::Registry& registry = platform_.registry;
  const RegistryRoot root = RegistryRoot::ClassesRoot;
  const platform::RegistryValue handler = registry.ReadValue(root, kHandlerKeys[0], "");
  if (handler.kind == platform::RegistryValueKind::Other) return false;
  if (handler.kind == platform::RegistryValueKind::Missing || handler.text != kClassId) {
    return true;
  }
  for (const char* handlerKey : kHandlerKeys) {
    if (!registry.DeleteTree(root, handlerKey)) return false;
  }
  return registry.DeleteTree(root, kClassKey);
}

#include "launcher/TobrinMenuList.h"

#include <utility>

#include "launcher/LauncherMessage.h"
#include "launcher/LauncherTexts.h"
#include "launcher/SelectionFileName.h"
#include "launcher/ShellOpen.h"
#include "launcher/ViewerSettings.h"
#include "shared/PathText.h"
#include "shared/ProductTexts.h"
#include "shared/TbError.h"
#include "text/Sjis.h"

TfmIE_Menu::TfmIE_Menu(platform::Platform& platform, std::string tempFolder,
                       HandOffValues handOff)
    : Form("fmIE_Menu", "IE拡張メニュー", {0, 0}, platform::FormStyle::Popup),
      IniGT_IE_Menu(platform.files, std::string(FolderPart(platform.process.ProgramPath())),
                    std::string(product_text::kSettingsFileName)),
      platform_(platform),
      tempFolder_(std::move(tempFolder)),
      handOff_(std::move(handOff)) {
  OnShow = [this] { FormShow(); };
}

TfmIE_Menu::~TfmIE_Menu() { platform_.application.OnDeactivate = nullptr; }

void TfmIE_Menu::FormCreate() {
  platform_.application.OnDeactivate = [this] { AppDeactivate(); };
}

void TfmIE_Menu::AppDeactivate() { platform_.application.Terminate(); }

void TfmIE_Menu::PM_IEPopup() { SetTopmost(true); }

void TfmIE_Menu::ReadSettings() { settings_ = ReadMenuSettings(IniGT_IE_Menu); }

void TfmIE_Menu::FormShow() {
  const platform::Point cursor = platform_.ui.CursorPos();
  SetPosition(cursor);
  ReadSettings();
  PM_IE = PlanMenu(settings_, !handOff_.selectionHtml.empty());

  if (OffersAnything(PM_IE)) {
    PM_IEPopup();
    if (const auto chosen = platform_.popupMenu.Track(*this, PM_IE, cursor)) {
      PopupMenuClick(*chosen);
    }
  } else {
    ShowLauncherMessage(platform_.ui, platform_.ui.DesktopWindow(), launcher_text::kMenuEmpty,
                        platform::MessageIcon::Warning);
    platform_.application.Terminate();
  }
}

void TfmIE_Menu::PopupMenuClick(int position) {
  // Only an entry the menu showed has an action; any other position only ends the program.
  if (position >= 0 && position < static_cast<int>(PM_IE.size()) && PM_IE[position].visible) {
    PerformEntry(position);
  }
  platform_.ui.ProcessMessages();
  platform_.application.Terminate();
}

void TfmIE_Menu::PerformEntry(int position) {
  if (position == kSelectionSourceEntry) {
    ShowSelection(handOff_.selectionHtml);
  } else if (position == kSelectionTextEntry) {
    ShowSelection(handOff_.selectionText);
  } else if (position >= kFirstSiteEntry && position < kFirstSiteEntry + kSiteCount) {
    OpenSite(position - kFirstSiteEntry);
  }
}

void TfmIE_Menu::ShowSelection(const std::string& content) {
  const ViewerSlot& viewer = settings_.viewers.Selected();
  const std::string path =
      tempFolder_ + SelectionFileName(handOff_.hostName, viewer.extension);
  if (!platform_.files.ReplaceFileWith(path, NormalizeLineBreaks(content))) {
    throw CannotWriteError(path);
  }
  OpenThroughShell(platform_, viewer.executable, BuildViewerParameters(viewer.options, path),
                   launcher_text::kViewerNotFound);
}

void TfmIE_Menu::OpenSite(int site) {
  const std::string address = SiteAddress(settings_.sites[site], handOff_, forms_);
  OpenThroughShell(platform_, address, "", launcher_text::kPageNotFound);
}

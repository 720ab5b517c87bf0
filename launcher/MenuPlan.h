#pragma once
// What the popup menu offers for one hand-off: its ten entries at fixed positions, and the
// address a site entry opens.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/HandOffFile.h"
#include "launcher/MenuSettings.h"
#include "platform/PopupMenu.h"

// Fixed positions of the entries; the click handler tells the entries apart by them.
constexpr int kSelectionSourceEntry = 0;
constexpr int kSelectionTextEntry = 1;
constexpr int kFirstSeparatorEntry = 2;
constexpr int kFirstSiteEntry = 3;  // site i at kFirstSiteEntry + i
constexpr int kSecondSeparatorEntry = kFirstSiteEntry + kSiteCount;
constexpr int kCloseEntry = kSecondSeparatorEntry + 1;
constexpr int kMenuEntryCount = kCloseEntry + 1;

// The forms of the selection text that selection sites receive, by encoding code:
// 0 the Shift_JIS text as it is, 1 EUC-JP URL-escaped, 2 UTF-8 URL-escaped, 3 to 6 the empty
// text (the table of forms has room for seven). A form is computed the first time a site asks
// for it: converting a large selection takes far longer than popping up the menu, and only a
// chosen site needs its text.
class SelectionTextForms {
 public:
  // The text must outlive the object.
  explicit SelectionTextForms(std::string_view selectionText) : text_(selectionText) {}

  static bool Names(int code) { return code >= 0 && code <= 6; }

  // The form for the code, or nothing for a code that names no form.
  std::optional<std::string_view> Form(int code);

 private:
  std::string_view text_;
  std::optional<std::string> euc_;
  std::optional<std::string> utf8_;
};

// True when the site's entry is offered: switched on, and either a page site without a
// selection or a selection site with a selection and an encoding code that names a text
// form (0 to 6). A site whose target is neither is never offered, nor is a selection site
// whose code names no form (such as -1, which the settings program stores for no encoding):
// its address would carry no text at all.
bool SiteIsOffered(const SiteSlot& site, bool hasSelection);

// The address an offered site opens: its prefix followed directly by the escaped page
// address (page sites) or the selection text form of its encoding code.
std::string SiteAddress(const SiteSlot& site, const HandOffValues& handOff,
                        SelectionTextForms& forms);

// The ten entries, hidden except for the separators and what the settings and the presence
// of a selection offer.
std::vector<platform::MenuItem> PlanMenu(const MenuSettings& settings, bool hasSelection);

// True when an entry other than the two separators is shown.
bool OffersAnything(const std::vector<platform::MenuItem>& entries);

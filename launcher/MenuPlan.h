#pragma once
// What the popup menu offers for one hand-off: its ten entries at fixed positions and the
// address each shown site entry opens.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/HandOffFile.h"
#include "launcher/MenuSettings.h"
#include "platform/PopupForm.h"

// Fixed positions of the entries; the click handler tells the entries apart by them.
constexpr int kSelectionSourceEntry = 0;
constexpr int kSelectionTextEntry = 1;
constexpr int kFirstSeparatorEntry = 2;
constexpr int kFirstSiteEntry = 3;  // site i at kFirstSiteEntry + i
constexpr int kSecondSeparatorEntry = kFirstSiteEntry + kSiteCount;
constexpr int kCloseEntry = kSecondSeparatorEntry + 1;
constexpr int kMenuEntryCount = kCloseEntry + 1;

// The forms of the selection text that selection sites receive, by encoding code:
// 0 the Shift_JIS text as it is, 1 EUC-JP URL-escaped, 2 UTF-8 URL-escaped. Each form is
// computed the first time a site asks for it.
class SelectionTextForms {
 public:
  explicit SelectionTextForms(std::string_view selectionText) : text_(selectionText) {}

  // The form for the code, or nothing for a code that names no form (outside 0..2).
  std::optional<std::string_view> Form(int code);

 private:
  std::string_view text_;
  std::optional<std::string> euc_;
  std::optional<std::string> utf8_;
};

struct MenuPlan {
  std::vector<platform::MenuItem> entries;            // kMenuEntryCount entries
  std::array<std::string, kSiteCount> siteAddresses;  // filled for the shown sites only

  // True when an entry other than the two separators is shown.
  bool OffersAnything() const;
};

// The entries for the settings and the hand-off. A selection site is shown only when there
// is a selection and its encoding code names a text form; a page site only without a
// selection; a site whose target is neither is never shown.
MenuPlan PlanMenu(const MenuSettings& settings, const HandOffValues& handOff);

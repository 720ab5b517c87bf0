#include "launcher/MenuPlan.h"

#include "launcher/LauncherTexts.h"
#include "shared/jconvert.h"
#include "shared/jconvex.h"

std::optional<std::string_view> SelectionTextForms::Form(int code) {
  switch (code) {
    case 0:
      return text_;
    case 1:
      if (!euc_) euc_ = UrlEscape(ConvertKanjiCode(text_, kcEuc));
      return *euc_;
    case 2:
      if (!utf8_) utf8_ = UrlEscape(SjisToUtf8(text_));
      return *utf8_;
    default:
      return std::nullopt;
  }
}

bool MenuPlan::OffersAnything() const {
  for (int position = 0; position < static_cast<int>(entries.size()); ++position) {
    if (position != kFirstSeparatorEntry && position != kSecondSeparatorEntry &&
        entries[position].visible) {
      return true;
    }
  }
  return false;
}

namespace {

std::vector<platform::MenuItem> HiddenEntries(const MenuSettings& settings) {
  std::vector<platform::MenuItem> entries(kMenuEntryCount);
  entries[kSelectionSourceEntry].caption = launcher_text::kShowSelectionSource;
  entries[kSelectionTextEntry].caption = launcher_text::kShowSelectionText;
  entries[kFirstSeparatorEntry] = {std::string(launcher_text::kSeparator), true};
  for (int i = 0; i < kSiteCount; ++i) entries[kFirstSiteEntry + i].caption = settings.sites[i].name;
  entries[kSecondSeparatorEntry] = {std::string(launcher_text::kSeparator), true};
  entries[kCloseEntry].caption = launcher_text::kClose;
  return entries;
}

// The text a shown site's address ends with, or nothing when the site is not shown.
std::optional<std::string_view> SiteParameter(const SiteSlot& site, bool hasSelection,
                                              std::string_view pageAddress,
                                              SelectionTextForms& forms) {
  if (!IsSwitchOn(site.enabled)) return std::nullopt;
  if (site.target == stPage && !hasSelection) return pageAddress;
  if (site.target == stSelection && hasSelection) return forms.Form(site.encoding);
  return std::nullopt;
}

}  // namespace

MenuPlan PlanMenu(const MenuSettings& settings, const HandOffValues& handOff) {
  MenuPlan plan;
  plan.entries = HiddenEntries(settings);
  if (!IsSwitchOn(settings.menu)) return plan;

  const bool hasSelection = !handOff.selectionHtml.empty();
  if (IsSwitchOn(settings.selection) && hasSelection) {
    plan.entries[kSelectionSourceEntry].visible = true;
    plan.entries[kSelectionTextEntry].visible = true;
  }
  if (!IsSwitchOn(settings.web)) return plan;

  SelectionTextForms forms(handOff.selectionText);
  for (int i = 0; i < kSiteCount; ++i) {
    const SiteSlot& site = settings.sites[i];
    const auto parameter = SiteParameter(site, hasSelection, handOff.pageAddress, forms);
    if (!parameter) continue;
    std::string& address = plan.siteAddresses[i];
    address.reserve(site.prefix.size() + parameter->size());
    address = site.prefix;
    address += *parameter;
    plan.entries[kFirstSiteEntry + i].visible = true;
  }
  return plan;
}

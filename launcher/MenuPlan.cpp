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
      if (Names(code)) return std::string_view();
      return std::nullopt;
  }
}

bool SiteIsOffered(const SiteSlot& site, bool hasSelection) {
  if (!IsSwitchOn(site.enabled)) return false;
  if (site.target == stPage) return !hasSelection;
  if (site.target == stSelection) return hasSelection && SelectionTextForms::Names(site.encoding);
  return false;
}

std::string SiteAddress(const SiteSlot& site, const HandOffValues& handOff,
                        SelectionTextForms& forms) {
  const std::string_view parameter = site.target == stPage
                                         ? std::string_view(handOff.pageAddress)
                                         : forms.Form(site.encoding).value_or("");
  std::string address;
  address.reserve(site.prefix.size() + parameter.size());
  address = site.prefix;
  address += parameter;
  return address;
}

std::vector<platform::MenuItem> PlanMenu(const MenuSettings& settings, bool hasSelection) {
  std::vector<platform::MenuItem> entries(kMenuEntryCount);
  entries[kSelectionSourceEntry].caption = launcher_text::kShowSelectionSource;
  entries[kSelectionTextEntry].caption = launcher_text::kShowSelectionText;
  entries[kFirstSeparatorEntry] = {std::string(launcher_text::kSeparator), true};
  entries[kSecondSeparatorEntry] = {std::string(launcher_text::kSeparator), true};
  entries[kCloseEntry].caption = launcher_text::kClose;
  for (int i = 0; i < kSiteCount; ++i) entries[kFirstSiteEntry + i].caption = settings.sites[i].name;

  if (!IsSwitchOn(settings.menu)) return entries;
  if (IsSwitchOn(settings.selection) && hasSelection) {
    entries[kSelectionSourceEntry].visible = true;
    entries[kSelectionTextEntry].visible = true;
  }
  if (IsSwitchOn(settings.web)) {
    for (int i = 0; i < kSiteCount; ++i) {
      entries[kFirstSiteEntry + i].visible = SiteIsOffered(settings.sites[i], hasSelection);
    }
  }
  return entries;
}

bool OffersAnything(const std::vector<platform::MenuItem>& entries) {
  for (int position = 0; position < static_cast<int>(entries.size()); ++position) {
    if (position != kFirstSeparatorEntry && position != kSecondSeparatorEntry &&
        entries[position].visible) {
      return true;
    }
  }
  return false;
}

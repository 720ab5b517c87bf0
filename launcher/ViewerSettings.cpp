#include "launcher/ViewerSettings.h"

#include "shared/IndexedKey.h"

const ViewerSlot& ViewerSettings::Selected() const {
  return slots[selected >= 0 && selected < kViewerSlotCount ? selected : 0];
}

ViewerSettings ReadViewerSettings(const TIniGT& settings) {
  ViewerSettings viewers;
  viewers.selected = settings.ReadInteger("CHK", "Chk_IE", 0);
  for (int slot = 0; slot < kViewerSlotCount; ++slot) {
    ViewerSlot& viewer = viewers.slots[slot];
    viewer.executable = settings.ReadString("EDIT", IndexedKey("IE_View_E", slot), "");
    viewer.options = settings.ReadString("EDIT", IndexedKey("IE_View_O", slot), "");
    viewer.extension = settings.ReadString("EDIT", IndexedKey("IE_View_T", slot), "");
  }
  return viewers;
}

namespace {

template <typename Char>
std::basic_string<Char> JoinViewerParameters(std::basic_string_view<Char> options,
                                             std::basic_string_view<Char> path) {
  std::basic_string<Char> parameters;
  parameters.reserve(options.size() + path.size() + 4);
  if (!options.empty()) {
    parameters += Char(' ');
    parameters += options;
    parameters += Char(' ');
  }
  parameters += Char('"');
  parameters += path;
  parameters += Char('"');
  return parameters;
}

}  // namespace

std::string BuildViewerParameters(std::string_view options, std::string_view path) {
  return JoinViewerParameters(options, path);
}

std::u16string BuildViewerParameters(std::u16string_view options, std::u16string_view path) {
  return JoinViewerParameters(options, path);
}

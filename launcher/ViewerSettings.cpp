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

std::string BuildViewerParameters(std::string_view options, std::string_view path) {
  std::string parameters;
  parameters.reserve(options.size() + path.size() + 4);
  if (!options.empty()) {
    parameters += ' ';
    parameters += options;
    parameters += ' ';
  }
  parameters += '"';
  parameters += path;
  parameters += '"';
  return parameters;
}

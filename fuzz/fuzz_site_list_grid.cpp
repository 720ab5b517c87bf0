// A list file of any bytes shown in the site list editor: the grid holds every row the file
// has (one empty row for a file without lines), and the rows saved and shown again come back
// unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/memory/MemoryPlatform.h"
#include "settings/UieSetList.h"
#include "shared/SiteListFile.h"

namespace {

constexpr const char* kFolder = "C:\\TobrinPlus\\";
constexpr const char* kListFile = "C:\\TobrinPlus\\MenuList.csv";

struct Editor {
  platform::memory::MemoryPlatform m;
  TfmIE_List dialog{m.platform, [](int) -> SiteSlotFields { std::abort(); }};
  Editor() {
    m.files.AddFolder(kFolder);
    m.process.programPath = std::string(kFolder) + "TobrinPlus.exe";
  }
  std::vector<SiteListRow> Show(std::string_view bytes) {
    m.files.AddFile(kListFile, bytes);
    dialog.Show();
    dialog.Close();
    if (!m.application.reportedErrors.empty()) std::abort();
    return dialog.Rows();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Editor editor;
  const std::vector<SiteListRow> shown = editor.Show(bytes);
  std::vector<SiteListRow> expected = ParseSiteList(bytes);
  if (expected.empty()) expected.resize(1);
  if (shown != expected) std::abort();
  if (editor.Show(ComposeSiteList(shown)) != shown) std::abort();
  return 0;
}

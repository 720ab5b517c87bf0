#pragma once
// What the four settings pages hold, and the settings file an apply of them writes: the
// driver's own model of the file, built from the values, key by key in the order the pages
// write them.
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct IeViewerValues {
  std::string path;  // code page 932 bytes, as typed
  std::string options;
  std::string extension;
};

struct SiteValues {
  bool enabled = false;
  std::string url;
  int target = 0;    // position in the list "通常", "選択範囲"
  int encoding = 0;  // position in the list "なし", "EUC-JP", "UTF-8"
  std::string name;
};

struct ExpViewerValues {
  bool files = false;
  bool folders = false;
  std::string path;
  std::string options;
  std::string extension;
  std::string name;
};

// The thirteen switches of the setup page, in the page's order.
inline constexpr std::size_t kSwitchCount = 13;
extern const std::array<const char*, kSwitchCount> kSwitchKeys;
enum Switch : std::size_t { kIeView = 0, kIeMenu = 1, kIeSel = 2, kIeWeb = 3, kShell = 4 };

struct PageValues {
  int ieViewer = 0;  // the slot in use as stored
  std::array<IeViewerValues, 3> ieViewers;
  std::array<SiteValues, 5> sites;
  std::array<ExpViewerValues, 5> expViewers;
  std::array<bool, kSwitchCount> switches{};
};

// A settings file as an initialization-file writer leaves it: sections in the order of their
// first entry, entries in the order of their first write, a later write replacing the value in
// place; "[section]" and "key=value" lines ending in CR LF.
class IniText {
 public:
  void Set(const std::string& section, const std::string& key, const std::string& value);
  void Set(const std::string& section, const std::string& key, int value) {
    Set(section, key, std::to_string(value));
  }
  std::string Bytes() const;

 private:
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
};

// The keys each page writes on apply, in its order.
void WriteIeViewerPage(IniText& file, const PageValues& values);
void WriteSitePage(IniText& file, const PageValues& values);
void WriteExpViewerPage(IniText& file, const PageValues& values);
void WriteSetupPage(IniText& file, const PageValues& values);
// All four, in the order of a whole apply.
void WriteAllPages(IniText& file, const PageValues& values);

}  // namespace e2e

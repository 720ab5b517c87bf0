// Any bytes as a path: ExpandLongPath and GetSpecialFolderPath must neither crash nor read
// outside the text, and expanding a result again must change nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/memory/MemoryFileSystem.h"
#include "platform/memory/MemorySystemFolders.h"
#include "shared/TbSysUtl.h"
#include "text/Sjis.h"

namespace {

platform::memory::MemoryFileSystem& Disk() {
  static platform::memory::MemoryFileSystem* disk = [] {
    auto* fs = new platform::memory::MemoryFileSystem;
    fs->AddFolder("C:\\Documents and Settings\\Administrator\\Local Settings\\Temp");
    fs->AddShortName("C:\\Documents and Settings", "DOCUME~1");
    fs->AddShortName("C:\\Documents and Settings\\Administrator", "ADMINI~1");
    fs->AddFile("C:\\\x95\x5C\\\x83\x5C", "");  // double-byte names ending in 0x5C
    fs->AddFolder("\\\\server\\share\\Dir");
    fs->MapDrive("Z:", "\\\\server\\share");
    fs->SetCurrentFolder("C:\\DOCUME~1");
    return fs;
  }();
  return *disk;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path(reinterpret_cast<const char*>(data), size);
  const auto& files = Disk();

  const std::string expanded = ExpandLongPath(files, path);
  if (path.empty() != expanded.empty()) std::abort();
  if (ExpandLongPath(files, expanded) != expanded) std::abort();

  platform::memory::MemorySystemFolders folders;
  folders.SetKernelTempPath(path);
  folders.SetShellFolder(0x26, path);
  for (const TSpecialFolder kind : {sfTemp, sfProgramFiles}) {
    const std::string folder = GetSpecialFolderPath(folders, files, 0, kind);
    if (!folder.empty() && !SjisEndsWithBackslash(folder)) std::abort();
  }
  return 0;
}

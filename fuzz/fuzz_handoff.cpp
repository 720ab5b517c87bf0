// The hand-off file is written by a script any page can influence: the whole menu mode runs
// on its bytes, picks an entry, and must neither crash nor write outside the temporary folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/HandOffFile.h"
#include "launcher/SelectionFileName.h"
#include "launcher/Tobrin.h"
#include "platform/memory/MemoryPlatform.h"
#include "shared/TbStrUtl.h"
#include "text/Sjis.h"

namespace {

constexpr const char* kTemp = "C:\\Temp\\";
constexpr const char* kProgramFolder = "C:\\Tobrin\\";

const char kSettings[] =
    "[CHK]\r\nChk_IE=1\r\nCHK_IE_Menu=1\r\nCHK_IE_Sel=1\r\nCHK_IE_Web=1\r\n"
    "CHK_IE_Set_S[0]=1\r\nCHK_IE_Set_S[1]=1\r\nCHK_IE_Set_S[2]=1\r\nCHK_IE_Set_S[3]=1\r\n"
    "[EDIT]\r\nIE_View_E[1]=C:\\v.exe\r\nIE_View_T[1]=txt\r\n"
    "IE_Set_U[0]=http://a/?q=\r\nIE_Set_T[0]=0\r\n"
    "IE_Set_U[1]=http://b/?q=\r\nIE_Set_T[1]=1\r\nIE_Set_E[1]=0\r\n"
    "IE_Set_U[2]=http://c/?q=\r\nIE_Set_T[2]=1\r\nIE_Set_E[2]=1\r\n"
    "IE_Set_U[3]=http://d/?q=\r\nIE_Set_T[3]=1\r\nIE_Set_E[3]=2\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // The fields are those of the plain reading: line breaks made CR LF, then the split.
  std::vector<std::string> plainFields;
  SplitDelimited(NormalizeLineBreaks(bytes), plainFields, "<DELIMITER>");
  if (SplitHandOff(bytes) != plainFields) std::abort();

  // The host name alone must always give a name inside the folder (a second byte 0x5C of a
  // double-byte character is no backslash).
  const std::string name = SelectionFileName(bytes, "txt");
  if (SjisFindLastOf(name, "\\/:") != std::string::npos) std::abort();

  platform::memory::MemoryPlatform m;
  m.files.AddFolder(kTemp);
  m.files.AddFile(std::string(kProgramFolder) + "TobrinPlus.ini", kSettings);
  m.files.AddFile(std::string(kTemp) + "Tobrin_Menu.tmp", bytes);
  m.folders.SetKernelTempPath(kTemp);
  m.process.programPath = std::string(kProgramFolder) + "Tobrin.exe";
  m.popupMenu.choice = size == 0 ? 0 : data[0] % 10;
  RunTobrin(m.platform);

  for (const std::string& file : m.files.AllFiles()) {
    if (file.rfind(kTemp, 0) != 0 && file.rfind(kProgramFolder, 0) != 0) std::abort();
  }
  return 0;
}

// Damaged settings files: every page loads them, applies without a crash, and the file it
// writes loads back to the same controls.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/SettingsRoundTrip.h"

namespace {

using namespace std::string_literals;
using settings_round_trip::Options;
using settings_round_trip::RoundTripFault;

std::string AllBytes() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  return bytes;
}

}  // namespace

TEST(SettingsBadInput, DamagedFilesRoundTrip) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"binary", AllBytes() + AllBytes()},
      {"binary in a section",
       "[CHK]\r\nCHK_IE_Menu=1\r\n" + AllBytes() + "\r\n[EDIT]\r\n" + AllBytes()},
      {"switches of 2",
       "[CHK]\nCHK_IE_View=2\nCHK_SHELL=2\nCHK_EXP_View_F[0]=2\nCHK_IE_Set_S[1]=2\n"},
      {"CHK_IE of 5", "[CHK]\r\nCHK_IE=5\r\n"},
      {"target 3 and encoding 9", "[EDIT]\r\nIE_Set_T[0]=3\r\nIE_Set_E[4]=9\r\n"},
      {"huge integers",
       "[CHK]\r\nCHK_IE=99999999999999999999\r\n[EDIT]\r\nIE_Set_T[2]=-2147483649\r\n"},
      {"huge text", "[EDIT]\r\nIE_Set_U[0]=" + std::string(200000, 'u') +
                        "\r\nEXP_View_N[3]=" + std::string(5000, '\x95') + "\r\n"},
      {"zero bytes", "[EDIT]\r\nIE_Set_N[0]=a\0b\r\nIE_Set_N[1]=c\r\n\0[CHK]\r\nCHK_IE=1\r\n"s},
      {"lone line ends", "[CHK]\rCHK_IE_Set_S[0]=1\r[EDIT]\nIE_Set_U[0]=x\r\r\n"},
      {"duplicate sections and keys",
       "[EDIT]\nIE_Set_U[0]=1\n[EDIT]\nIE_Set_U[0]=2\nie_set_u[0]=3\n"},
      {"broken lines", "[CHK\nCHK_IE_Sel\n=1\n[]\n=\n[EDIT]]\nIE_View_E[0]==x\n"},
      {"blanks and quotes", "[EDIT]\r\nIE_Set_N[0]= \"a\" \r\nIE_View_O[1]=\t-x\t\r\n"},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF[CHK]\r\nCHK_IE_Set_S[0]=1\r\n"},
      {"truncated double-byte character", "[EDIT]\r\nEXP_View_N[0]=\x95"},
      {"viewer over 260 characters",
       "[CHK]\r\nCHK_IE_View=1\r\n[EDIT]\r\nIE_View_E[1]=C:\\" + std::string(400, 'x') + "\r\n"},
  };
  for (const Case& c : cases) {
    for (const Options options : {Options{false, false}, Options{true, true}}) {
      EXPECT_EQ(RoundTripFault(c.bytes, options), "") << c.what << " " << options.viewSourceOff;
    }
  }
}

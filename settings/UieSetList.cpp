#include "settings/UieSetList.h"

TfmIE_List::TfmIE_List(platform::Platform& /*platform*/, TfmIE_Set& /*fmIE_Set*/)
    : Form("fmIE_List", "メニューリスト", {792, 362}, platform::FormStyle::Dialog) {}

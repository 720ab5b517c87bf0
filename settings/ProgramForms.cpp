#include "settings/ProgramForms.h"

TProgramForms::TProgramForms(platform::Platform& platform)
    : fmMAIN(platform, *this),
      fmIE_View(platform, *this),
      fmIE_Set(platform, *this),
      fmEXP_View(platform, *this),
      fmAbout(platform),
      fmIE_List(platform, fmIE_Set),
      fmSetUp(platform) {
  fmMAIN.HostPages();
}

std::array<platform::Form*, 7> TProgramForms::InCreationOrder() {
  return {&fmMAIN, &fmIE_View, &fmIE_Set, &fmEXP_View, &fmAbout, &fmIE_List, &fmSetUp};
}

#include "settings/TobrinPlus.h"

#include <string>

#include "settings/ProgramForms.h"
#include "shared/ProductTexts.h"

int RunTobrinPlus(platform::Platform& platform) {
  platform::Application& application = platform.application;
  application.SetTitle(std::string(product_text::kTitle));
  TProgramForms forms(platform);
  for (platform::Form* form : forms.InCreationOrder()) application.CreateForm(*form);
  application.Run(forms.fmMAIN);
  return 0;
}

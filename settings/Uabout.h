#pragma once
// The page of the tab "トブリン＋について": on a raised panel the program's icon, its name in
// bold, its version, date, copyright and rights, and two hyperlinks that the shell opens.
#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class TfmAbout : public platform::Form {
 public:
  explicit TfmAbout(platform::Platform& platform);

  // A hyperlink was pressed: the shell opens its caption with the verb "OPEN".
  void LinkClick(const platform::LinkLabel& link);

  platform::Panel pnlProduct;
  platform::IconImage imgIcon;
  platform::Label LBL_Product;
  platform::Label LBL_Version;
  platform::Label LBL_Date;
  platform::Label LBL_Copyright;
  platform::Label LBL_Rights;
  platform::LinkLabel LBL_Web;
  platform::LinkLabel LBL_Mail;

 private:
  platform::Platform& platform_;
};

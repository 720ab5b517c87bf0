#include "settings/Uabout.h"

#include <string>

#include "settings/PageLayout.h"
#include "shared/ProductTexts.h"

TfmAbout::TfmAbout(platform::Platform& platform)
    : Form("fmAbout", "トブリン＋について", page_layout::kPageSize, platform::FormStyle::Page),
      pnlProduct(*this, "pnlProduct", {64, 56, 450, 300}, true),
      imgIcon(*this, "imgIcon", {96, 88, 32, 32}),
      LBL_Product(*this, "LBL_Product", {144, 96, 300, 16}, std::string(product_text::kTitle)),
      LBL_Version(*this, "LBL_Version", {144, 140, 300, 12}, "バージョン 1.0.0"),
      LBL_Date(*this, "LBL_Date", {144, 164, 300, 12}, "2026年12月11日"),
      LBL_Copyright(*this, "LBL_Copyright", {144, 188, 300, 12},
                    "Copyright (C) 2026 Tobrin+ Project"),
      LBL_Rights(*this, "LBL_Rights", {144, 212, 300, 12}, "All rights reserved."),
      LBL_Web(*this, "LBL_Web", {144, 260, 300, 12}, "https://tobrin.example.jp/"),
      LBL_Mail(*this, "LBL_Mail", {144, 284, 300, 12}, "mailto:support@tobrin.example.jp"),
      platform_(platform) {
  LBL_Product.look.bold = true;
  LBL_Web.OnClick = [this] { LinkClick(LBL_Web); };
  LBL_Mail.OnClick = [this] { LinkClick(LBL_Mail); };
}

void TfmAbout::LinkClick(const platform::LinkLabel& link) {
  platform_.shell.Execute(Handle(), "OPEN", link.Caption(), "", "", platform::kShowCommandShow);
}

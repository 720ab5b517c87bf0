#pragma once
// The site list editor "メニューリスト", opened modally by the site page's "参照".
#include "platform/Platform.h"
#include "platform/forms/Form.h"

class TfmIE_Set;

class TfmIE_List : public platform::Form {
 public:
  TfmIE_List(platform::Platform& platform, TfmIE_Set& fmIE_Set);
};

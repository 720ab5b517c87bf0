#pragma once
// Detecting the Japanese encoding of a text and converting it to EUC-JP.
#include <string>
#include <string_view>

enum TKanjiCode {
  kcAscii = 0,
  kcNonText = 1,
  kcJis = 2,
  kcJisOld = 3,
  kcEuc = 4,
  kcSjis = 5,
  kcEucOrSjis = 6,
};

TKanjiCode DetectKanjiCode(std::string_view text);

// Converts the text, whatever encoding it is detected in, to the target. Only kcEuc is
// provided as target; any other target gives the text unchanged.
std::string ConvertKanjiCode(std::string_view text, TKanjiCode target);

std::string SjisToEuc(std::string_view text);
std::string JisToEuc(std::string_view text);

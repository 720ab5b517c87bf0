#pragma once
// What the pages of the main window's tabs have in common: their size, the bands of their
// slots, the places of the bottom buttons, the looks of captions and labels, and the names and
// captions that carry a slot's number.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace page_layout {

// Every page fills its tab.
inline constexpr platform::Size kPageSize{578, 450};

// The slots of a page stand in bands of 80 pixels, the first 16 pixels from the top; a band's
// second row (labels over fields) starts 28 pixels below its top.
constexpr int BandTop(int slot) { return 16 + 80 * slot; }
inline constexpr int kLabelRow = 28;
inline constexpr int kFieldRow = 42;

// The buttons of the bottom right corner: the last one ("クリア") and the one left of it.
inline constexpr platform::Bounds kLastButton{504, 409, 66, 33};
inline constexpr platform::Bounds kNextToLastButton{430, 409, 66, 33};

// Group captions and slot titles are blue and bold, labels olive.
inline constexpr platform::Look kTitleLook{true, platform::TextColor::Blue,
                                           platform::TextAlign::Left};
inline constexpr platform::Look kLabelLook{false, platform::TextColor::Olive,
                                           platform::TextAlign::Left};

// The full-width digits "１" to "５" of the slot titles.
inline constexpr std::array<std::string_view, 5> kFullWidthDigits{"１", "２", "３", "４", "５"};

// The items of the editable extension boxes of the viewer pages.
inline const std::vector<std::string> kExtensionItems{"",    "txt", "htm", "html",
                                                      "xml", "asp", "php", "jsp"};

// The name of a slot's control: "TB_Edit_E" and 3 give "TB_Edit_E_3".
inline std::string SlotName(std::string_view prefix, int slot) {
  return std::string(prefix) + "_" + std::to_string(slot);
}

// A slot's title: "ビューア" and 0 give "ビューア１".
inline std::string SlotTitle(std::string_view word, int slot) {
  return std::string(word) + std::string(kFullWidthDigits[slot]);
}

// The controls of every slot band of a page, created band after band (so that the tab order
// runs through one band before the next).
template <typename Band, std::size_t... Slot>
std::array<Band, sizeof...(Slot)> MakeBands(platform::Form& page, std::index_sequence<Slot...>) {
  return {Band(page, static_cast<int>(Slot))...};
}
template <typename Band, std::size_t Count>
std::array<Band, Count> MakeBands(platform::Form& page) {
  return MakeBands<Band>(page, std::make_index_sequence<Count>{});
}

}  // namespace page_layout

#pragma once
// Shift_JIS to UTF-8, and escaping text for use as a value in a web address.
#include <string>
#include <string_view>

// The UTF-8 form of a Shift_JIS (code page 932) text; a byte sequence that is no character of
// the code page becomes the code page's substitute character.
std::string SjisToUtf8(std::string_view text);

// Letters, digits and ! $ ' ( ) * - . @ _ stay, a space becomes "+", every other byte "%XX";
// a zero byte ends the text.
std::string UrlEscape(std::string_view text);

#pragma once
// Making outside text usable as (part of) one file name in the temporary folder.
#include <string>
#include <string_view>

// The text with every character that cannot stand in a Windows file name (\ / : * ? " < > |
// and control bytes) replaced by "_". A double-byte character stays whole; a lead byte
// without a valid second byte is replaced. The result can never name another folder.
std::string FileNameSafe(std::string_view text);

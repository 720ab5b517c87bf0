#include "driver/Records.h"

#include <cstdint>

namespace e2e {

namespace {

constexpr std::uint32_t kNoFile = 0xFFFFFFFFu;

bool TakeLength(const std::string& bytes, std::size_t& at, std::uint32_t& value) {
  if (bytes.size() - at < 4) return false;
  value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  at += 4;
  return true;
}

bool TakeBytes(const std::string& bytes, std::size_t& at, std::uint32_t length, std::string& out) {
  if (bytes.size() - at < length) return false;
  out = bytes.substr(at, length);
  at += length;
  return true;
}

}  // namespace

std::vector<Record> ParseRecords(const std::string& bytes) {
  std::vector<Record> records;
  std::size_t at = 0;
  while (at < bytes.size()) {
    Record record;
    std::uint32_t length = 0;
    std::string content;
    const bool whole = bytes.compare(at, 4, "REC1") == 0 && (at += 4, TakeLength(bytes, at, length)) &&
                       TakeBytes(bytes, at, length, record.commandLine) && TakeLength(bytes, at, length) &&
                       (length == kNoFile || TakeBytes(bytes, at, length, content));
    if (!whole) {
      records.push_back({"<damaged record>", std::nullopt});
      break;
    }
    if (length != kNoFile) record.file = content;
    records.push_back(record);
  }
  return records;
}

std::string ArgumentsOf(const std::string& commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::size_t close = commandLine.find('"', 1);
    at = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    at = commandLine.find(' ');
    if (at == std::string::npos) at = commandLine.size();
  }
  if (at < commandLine.size() && commandLine[at] == ' ') ++at;
  return commandLine.substr(at);
}

}  // namespace e2e

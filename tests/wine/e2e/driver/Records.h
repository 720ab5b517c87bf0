#pragma once
// What the stand-in programs recorded: one record per start.
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct Record {
  std::string commandLine;          // the whole command line, code page 932 bytes
  std::optional<std::string> file;  // bytes of the file named by the last argument, if any
};

// Parses a record file; a damaged tail (a stand-in that died mid-write) is reported as a
// record whose command line says so, so that a test fails visibly.
std::vector<Record> ParseRecords(const std::string& bytes);

// The command line without the program name that leads it (quoted or not) and without the
// one blank that separates the two: the parameters as the starting program passed them.
std::string ArgumentsOf(const std::string& commandLine);

}  // namespace e2e

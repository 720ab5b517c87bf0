// Settings files of any content loaded into every page of the settings program and applied
// on the in-memory platform: nothing crashes, a refused apply leaves the file alone, and the
// file an apply wrote loads back to the same controls.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/support/SettingsRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte switches features off, the rest is the settings file.
  const settings_round_trip::Options options{(data[0] & 1) != 0, (data[0] & 2) != 0};
  const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string fault = settings_round_trip::RoundTripFault(file, options);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}

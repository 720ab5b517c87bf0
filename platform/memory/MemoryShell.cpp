#include "platform/memory/MemoryShell.h"

namespace platform::memory {

int MemoryShell::Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory,
                         int showCommand) {
  executions.push_back({owner, verb, file, parameters, directory, showCommand});
  if (scriptedResults.empty()) return defaultResult;
  const int result = scriptedResults.front();
  scriptedResults.pop_front();
  return result;
}

}  // namespace platform::memory

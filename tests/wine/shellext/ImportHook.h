#pragma once
// Puts a function of the test in place of one that a loaded module imports, by rewriting the
// module's import address table; the module itself is not changed on disk or in its code.
#include <windows.h>

namespace shellext_test {

// Returns the address the module imported before, or null when it imports no such function.
void* ReplaceImport(HMODULE module, const char* library, const char* function, void* replacement);

}  // namespace shellext_test

// The in-memory platform is put together in MemoryPlatform.h; its parts live in their own
// files beside this one.
#include "platform/memory/MemoryPlatform.h"

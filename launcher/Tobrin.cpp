#include "launcher/Tobrin.h"

int RunTobrin(platform::Platform&) { return 0; }

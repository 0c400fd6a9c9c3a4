#pragma once

// locale_t, newlocale and uselocale, for a thread's own locale: macOS declares
// them in <xlocale.h>.
#include <xlocale.h>

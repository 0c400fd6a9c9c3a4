#pragma once

// locale_t, newlocale and uselocale, for a thread's own locale: <locale.h>
// declares them here.
#include <locale.h>

#include "sim/WindowDefaultList.h"

void RegisterWindowDefaults() {}

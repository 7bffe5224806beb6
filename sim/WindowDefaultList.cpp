#include "sim/WindowDefaultList.h"

#include "business/WindowDefaults.h"

void RegisterWindowDefaults() { RegisterBusinessWindowDefaults(); }

#include "sim/WindowDefaultList.h"

#include "business/CalendarWindowDefaults.h"
#include "business/WindowDefaults.h"

void RegisterWindowDefaults() {
    RegisterBusinessWindowDefaults();
    RegisterCalendarWindowDefaults();
}

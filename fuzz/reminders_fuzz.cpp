// napom.dat, the reminders.
#include "ScheduleFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzScheduleFile(ScheduleKind::Reminders, data, size);
}

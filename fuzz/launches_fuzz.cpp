// run.dat, the timed program launches.
#include "ScheduleFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzzScheduleFile(ScheduleKind::Launches, data, size);
}

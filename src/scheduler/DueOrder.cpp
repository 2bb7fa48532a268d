#include "scheduler/DueOrder.h"

#include <algorithm>

DueOrder::DueOrder(const ScheduleList& list) {
    slots_.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const ScheduleEntry& entry = list[i];
        if (entry.julianDay != ScheduleEntry::kNoDay && entry.dueMinute != ScheduleEntry::kNever) {
            slots_.append({wallMinute(entry.julianDay, entry.dueMinute), i});
        }
    }
    // Appended in file order: a stable sort keeps that order within a minute.
    std::stable_sort(slots_.begin(), slots_.end(),
                     [](const Slot& a, const Slot& b) { return a.minute < b.minute; });
}

qsizetype DueOrder::next(qint64 minute, qsizetype after) const {
    const auto at = std::lower_bound(
        slots_.cbegin(), slots_.cend(), Slot{minute, after + 1}, [](const Slot& a, const Slot& b) {
            return a.minute < b.minute || (a.minute == b.minute && a.index < b.index);
        });
    return at != slots_.cend() && at->minute == minute ? at->index : kNone;
}

qint64 DueOrder::firstAfter(qint64 minute) const {
    const auto at = std::upper_bound(slots_.cbegin(), slots_.cend(), minute,
                                     [](qint64 m, const Slot& slot) { return m < slot.minute; });
    return at != slots_.cend() ? at->minute : kNoMinute;
}

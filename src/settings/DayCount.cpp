#include "settings/DayCount.h"

#include <cmath>

namespace daycount {

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kLimit = 3.0e6;  // about 8000 years either way
}  // namespace

QDate toDate(double value) {
    if (!std::isfinite(value) || std::fabs(value) > kLimit) {
        return {};
    }
    return kEpoch.addDays(qint64(std::trunc(value)));
}

double fromDate(const QDate& date) {
    return double(kEpoch.daysTo(date));
}

double fromDateTime(const QDateTime& moment) {
    const double days = fromDate(moment.date());
    const double fraction = moment.time().msecsSinceStartOfDay() / 86400000.0;
    return days + fraction;
}

}  // namespace daycount

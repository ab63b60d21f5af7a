#include "missed_days.h"

#include <algorithm>

namespace reminders {

std::optional<Date> firstMissedDay(const Date& lastCheck, const Date& today) {
    if (lastCheck == Date{}) return std::nullopt;
    const int daysSince = daysBetween(lastCheck, today);
    if (daysSince < 2) return std::nullopt;
    return addDays(today, -std::min(daysSince - 1, missedDaysShown));
}

}  // namespace reminders

#pragma once
// The days on which the daily check did not run: the program was not running.
#include <optional>

#include "calendar.h"

namespace reminders {

// How far back missed reminders are shown, in days before today.
inline constexpr int missedDaysShown = 14;

// The first day missed since the check of `lastCheck`: the day after it, or
// the earliest day shown when that lies further back. Nothing when no day
// was missed: `lastCheck` is yesterday, today, a later day, or the day that
// means no check has run yet.
std::optional<Date> firstMissedDay(const Date& lastCheck, const Date& today);

}  // namespace reminders

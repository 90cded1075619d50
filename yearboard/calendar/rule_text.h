#pragma once
// A recurrence rule in words for the item window: "Every 2 weeks on Monday and Friday",
// "Every month on the last Friday", "Every year on 5 May, 10 times". Weekday and month names
// come from the user's formats; the rest is English, as the program's other texts.
#include <string>

#include "yearboard/base/formats.h"
#include "yearboard/calendar/recurrence.h"

namespace yb {

std::string DescribeRule(const RecurrenceRule& rule, const Formats& formats);

}  // namespace yb

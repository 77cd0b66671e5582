#pragma once
// Date and time as text in one of four fixed pattern styles and six kinds.

#include <QDateTime>

#include <optional>
#include <string>

namespace quillmoor {

enum DateTimeKind : int {
  DateAndTime = 0,
  DateOnly = 1,
  MonthDay = 2,
  TimeOnly = 3,
  HourMinute = 4,
  MinuteSecond = 5,
};

enum class ClockSetting { TwelveHour, TwentyFourHour };

// A date-time value as an automation date: days since 30 December 1899, the
// time of day as the fraction. Covers the years 100 to 9999.
using AutomationDate = double;

AutomationDate ToAutomationDate(const QDateTime& when);

// The clock setting of the user's locale (QLocale's default, which is the
// system locale unless a caller changed it).
ClockSetting UserClockSetting();

// `when` absent means now. Styles outside 0 to 3 count as 0, kinds outside 0
// to 5 as DateAndTime. A value outside the years 100 to 9999 gives "".
std::string FormatDateTimeText(std::optional<AutomationDate> when = std::nullopt, int style = 0,
                               int kind = DateAndTime);

// The same with the clock setting given rather than read from the locale.
std::string FormatDateTimeText(std::optional<AutomationDate> when, int style, int kind,
                               ClockSetting clock);

}  // namespace quillmoor

#include "util/DateTimeText.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace quillmoor {
namespace {

struct PatternRow {
  const char* fullDate;
  const char* fullTime;
  const char* monthDay;
  const char* hourMinute;
  const char* minuteSecond;
};

constexpr std::array<PatternRow, 4> kPatterns{{
    {"yyyy年MM月dd日 ", "hh时mm分ss秒", "MM月dd日", "hh时mm分", "mm分ss秒"},
    {"yyyy-MM-dd ", "hh:mm:ss", "MM-dd", "hh:mm", "mm:ss"},
    {"yyyy/MM/dd ", "hh/mm/ss", "MM/dd", "hh/mm", "mm/ss"},
    {"yyyyMMdd", "hhmmss", "MMdd", "hhmm", "mmss"},
}};

// Automation dates of 0100-01-01 and the last second of 9999-12-31.
constexpr double kFirstAutomationDate = -657434.0;
constexpr double kLastAutomationDate = 2958465.99999;
QDate AutomationEpoch() { return QDate(1899, 12, 30); }

struct CalendarFields {
  QDate date;
  int hour = 0, minute = 0, second = 0;
};

// Negative automation dates count days backwards but their fraction still
// runs forwards through the day, so the fraction is taken without its sign.
std::optional<CalendarFields> ToCalendarFields(AutomationDate value) {
  if (!std::isfinite(value) || value < kFirstAutomationDate || value > kLastAutomationDate)
    return std::nullopt;
  const double wholeDays = std::trunc(value);
  long long seconds = std::llround(std::fabs(value - wholeDays) * 86400.0);
  long long days = static_cast<long long>(wholeDays);
  if (seconds >= 86400) {
    seconds -= 86400;
    days += value < 0 ? -1 : 1;
  }
  CalendarFields fields;
  fields.date = AutomationEpoch().addDays(days);
  fields.hour = static_cast<int>(seconds / 3600);
  fields.minute = static_cast<int>(seconds / 60 % 60);
  fields.second = static_cast<int>(seconds % 60);
  return fields;
}

std::string TwoDigits(int n) {
  return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

std::string FourDigits(int n) { return TwoDigits(n / 100) + TwoDigits(n % 100); }

int TwelveHour(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

// Pattern letters as the Windows picture syntax reads them; every other byte,
// the UTF-8 of the Chinese unit characters included, is copied unchanged.
std::string ApplyPattern(const std::string& pattern, const CalendarFields& f) {
  struct Token {
    const char* letters;
    std::string value;
  };
  const std::array<Token, 7> tokens{{
      {"yyyy", FourDigits(f.date.year())},
      {"MM", TwoDigits(f.date.month())},
      {"dd", TwoDigits(f.date.day())},
      {"hh", TwoDigits(TwelveHour(f.hour))},
      {"HH", TwoDigits(f.hour)},
      {"mm", TwoDigits(f.minute)},
      {"ss", TwoDigits(f.second)},
  }};
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    bool matched = false;
    for (const Token& t : tokens) {
      if (pattern.compare(i, std::char_traits<char>::length(t.letters), t.letters) == 0) {
        out += t.value;
        i += std::char_traits<char>::length(t.letters);
        matched = true;
        break;
      }
    }
    if (!matched) out += pattern[i++];
  }
  return out;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void UseTwentyFourHourClock(std::string& pattern) {
  for (size_t at = pattern.find("hh"); at != std::string::npos; at = pattern.find("hh", at + 2))
    pattern.replace(at, 2, "HH");
}

}  // namespace

AutomationDate ToAutomationDate(const QDateTime& when) {
  const double days = static_cast<double>(AutomationEpoch().daysTo(when.date()));
  const double fraction = when.time().msecsSinceStartOfDay() / 86400000.0;
  return days >= 0 ? days + fraction : days - fraction;
}

ClockSetting UserClockSetting() {
  return QLocale().timeFormat(QLocale::LongFormat).contains(QLatin1Char('H'))
             ? ClockSetting::TwentyFourHour
             : ClockSetting::TwelveHour;
}

std::string FormatDateTimeText(std::optional<AutomationDate> when, int style, int kind) {
  return FormatDateTimeText(when, style, kind, UserClockSetting());
}

std::string FormatDateTimeText(std::optional<AutomationDate> when, int style, int kind,
                               ClockSetting clock) {
  const AutomationDate value = when.value_or(ToAutomationDate(QDateTime::currentDateTime()));
  const PatternRow& row = kPatterns[(style >= 0 && style <= 3) ? style : 0];
  std::string datePattern = row.fullDate;
  std::string timePattern = row.fullTime;
  switch (kind) {
    case DateOnly: datePattern = Trimmed(datePattern); timePattern.clear(); break;
    case MonthDay: datePattern = row.monthDay; timePattern.clear(); break;
    case TimeOnly: datePattern.clear(); break;
    case HourMinute: datePattern.clear(); timePattern = row.hourMinute; break;
    case MinuteSecond: datePattern.clear(); timePattern = row.minuteSecond; break;
    default: break;
  }
  if (clock == ClockSetting::TwentyFourHour) UseTwentyFourHourClock(timePattern);
  const std::optional<CalendarFields> fields = ToCalendarFields(value);
  if (!fields) return {};
  return ApplyPattern(datePattern, *fields) + " " + ApplyPattern(timePattern, *fields);
}

}  // namespace quillmoor

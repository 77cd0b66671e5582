#include "util/DateTimeText.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>

namespace quillmoor {
namespace {

const AutomationDate kAfternoon = ToAutomationDate(QDateTime(QDate(2026, 3, 7), QTime(15, 4, 5)));
const AutomationDate kMidnight = ToAutomationDate(QDateTime(QDate(2026, 12, 31), QTime(0, 0, 9)));

struct FormatCase {
  const char* name;
  AutomationDate when;
  int style;
  int kind;
  ClockSetting clock;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatDateTimeTextTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTimeTextTable, GivesTheText) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatDateTimeText(c.when, c.style, c.kind, c.clock), c.expected);
}

constexpr ClockSetting k24 = ClockSetting::TwentyFourHour;
constexpr ClockSetting k12 = ClockSetting::TwelveHour;

INSTANTIATE_TEST_SUITE_P(
    Styles, FormatDateTimeTextTable,
    testing::Values(
        // The pattern's trailing space and the joining space stand between date and time.
        FormatCase{"Style0DateAndTime", kAfternoon, 0, DateAndTime, k24, "2026年03月07日  15时04分05秒"},
        FormatCase{"Style0DateOnlyKeepsJoiningSpace", kAfternoon, 0, DateOnly, k12, "2026年03月07日 "},
        FormatCase{"Style0MonthDay", kAfternoon, 0, MonthDay, k24, "03月07日 "},
        FormatCase{"Style0TimeOnlyStartsWithSpace", kAfternoon, 0, TimeOnly, k24, " 15时04分05秒"},
        FormatCase{"Style1HourMinute24", kAfternoon, 1, HourMinute, k24, " 15:04"},
        FormatCase{"Style1HourMinute12", kAfternoon, 1, HourMinute, k12, " 03:04"},
        FormatCase{"Style1MinuteSecond24", kAfternoon, 1, MinuteSecond, k24, " 04:05"},
        FormatCase{"Style1MinuteSecond12", kAfternoon, 1, MinuteSecond, k12, " 04:05"},
        FormatCase{"Style1DateAndTime", kAfternoon, 1, DateAndTime, k24, "2026-03-07  15:04:05"},
        FormatCase{"Style2DateAndTime12", kAfternoon, 2, DateAndTime, k12, "2026/03/07  03/04/05"},
        FormatCase{"Style3EightAndSixDigits", kAfternoon, 3, DateAndTime, k24, "20260307 150405"},
        FormatCase{"Style3DateOnly", kAfternoon, 3, DateOnly, k24, "20260307 "},
        FormatCase{"Style9CountsAsStyle0", kAfternoon, 9, DateOnly, k24, "2026年03月07日 "},
        FormatCase{"StyleMinus1CountsAsStyle0", kAfternoon, -1, MonthDay, k24, "03月07日 "},
        FormatCase{"Kind6CountsAsDateAndTime", kAfternoon, 1, 6, k24, "2026-03-07  15:04:05"},
        FormatCase{"KindMinus1CountsAsDateAndTime", kAfternoon, 3, -1, k24, "20260307 150405"},
        FormatCase{"MidnightOn12HourClockIs12", kMidnight, 1, TimeOnly, k12, " 12:00:09"},
        FormatCase{"MidnightOn24HourClockIs00", kMidnight, 1, TimeOnly, k24, " 00:00:09"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CalendarRange, FormatDateTimeTextTable,
    testing::Values(
        FormatCase{"FirstDayOfYear100", -657434.0, 1, DateOnly, k24, "0100-01-01 "},
        FormatCase{"LastSecondOfYear9999", 2958465.99999, 1, DateAndTime, k24, "9999-12-31  23:59:59"},
        // Before 1899-12-30 the day counts back but the fraction still runs forward.
        FormatCase{"NegativeDateWithFraction", -1.25, 1, DateAndTime, k24, "1899-12-29  06:00:00"},
        FormatCase{"BeforeYear100IsEmpty", -657435.0, 1, DateAndTime, k24, ""},
        FormatCase{"AfterYear9999IsEmpty", 2958466.0, 0, DateOnly, k24, ""},
        FormatCase{"NotANumberIsEmpty", std::nan(""), 0, DateOnly, k24, ""}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

TEST(FormatDateTimeText, WithoutAValueFormatsToday) {
  const std::string expected =
      QDate::currentDate().toString(QStringLiteral("yyyy年MM月dd日 ")).toStdString();
  EXPECT_EQ(FormatDateTimeText(std::nullopt, 0, DateOnly), expected);
}

TEST(FormatDateTimeText, ClockSettingComesFromTheLocale) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(UserClockSetting(), ClockSetting::TwentyFourHour);
  EXPECT_EQ(FormatDateTimeText(kAfternoon, 1, HourMinute), " 15:04");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(UserClockSetting(), ClockSetting::TwelveHour);
  EXPECT_EQ(FormatDateTimeText(kAfternoon, 1, HourMinute), " 03:04");
  QLocale::setDefault(saved);
}

}  // namespace
}  // namespace quillmoor

#pragma once

// The text the clock's width is measured with: one half of the strip holds
// the date or the time in any font.
constexpr char kClockMeasureText[] = "88/888";

#include <ctime>
#include <string>

// The text of the clock area for the option bits: the date part "%m/%d "
// when OPT_DATE is set, then the time part "%H:%M" when OPT_TIME is set.
// Empty in the vertical layout, which shows no clock.
std::string ClockText(const std::tm& time, int option);

// "%m/%d %H:%M", the time line of the bar's menu without its label.
std::string MenuTimeText(const std::tm& time);

// Local time now.
std::tm LocalTimeNow();

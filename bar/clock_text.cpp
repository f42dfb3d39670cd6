#include "bar/clock_text.h"

#include "config/records.h"

namespace {
std::string Format(const std::tm& time, const char* format) {
    char text[32];
    std::size_t length = std::strftime(text, sizeof text, format, &time);
    return std::string(text, length);
}
}  // namespace

std::string ClockText(const std::tm& time, int option) {
    if (option & OPT_VERTICAL) return {};
    std::string text;
    if (option & OPT_DATE) text += Format(time, "%m/%d ");
    if (option & OPT_TIME) text += Format(time, "%H:%M");
    return text;
}

std::string MenuTimeText(const std::tm& time) { return Format(time, "%m/%d %H:%M"); }

std::tm LocalTimeNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

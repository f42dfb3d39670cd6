#include "bar/menu_text.h"

#include "bar/clock_text.h"
#include "res/texts.h"

std::string PageMenuLabel(int page, const std::string& name) {
    const std::string shown = name.empty() ? TXT_PAGE_NAME_PREFIX + std::to_string(page) : name;
    if (page >= 1 && page <= 9) return "&" + std::to_string(page) + " " + shown;
    return shown;
}

std::string CurrentTimeLabel(const std::tm& time) {
    return TXT_MENU_TIME_LABEL + MenuTimeText(time);
}

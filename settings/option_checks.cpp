#include "settings/option_checks.h"

#include "config/records.h"

DisplayChecks DisplayChecksOf(int option) {
    return {(option & OPT_DATE) != 0, (option & OPT_TIME) != 0, (option & OPT_VERTICAL) != 0,
            (option & OPT_TOPMOST) != 0};
}

ButtonChecks ButtonChecksOf(int option) {
    return {(option & OPT_SAMEALLPAGES) != 0, (option & OPT_FITICON) != 0,
            (option & OPT_LARGEICON) != 0};
}

int OptionFromChecks(const DisplayChecks& checks) {
    return (checks.date ? OPT_DATE : 0) | (checks.time ? OPT_TIME : 0) |
           (checks.vertical ? OPT_VERTICAL : 0) | (checks.topmost ? OPT_TOPMOST : 0);
}

int IconFlagsFromChecks(const ButtonChecks& checks) {
    return (checks.sameAllPages ? OPT_SAMEALLPAGES : 0) | (checks.fitIcon ? OPT_FITICON : 0) |
           (checks.largeIcon ? OPT_LARGEICON : 0);
}

int IconFlagsOf(int option) {
    return option & kButtonOptionBits;
}

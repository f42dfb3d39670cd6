#include "core/int_field.h"

#include <cstdint>

#include "res/texts.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string ReplaceAll(std::string text, std::string_view what, const std::string& with) {
    for (auto pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + with.size()))
        text.replace(pos, what.size(), with);
    return text;
}

}  // namespace

IntFieldResult ParseIntField(std::string_view text, bool isSigned, int low, int high) {
    const IntFieldError noNumber =
        isSigned ? IntFieldError::NotInteger : IntFieldError::NotPositiveInteger;
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (!isSigned) return {noNumber, 0};
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return {noNumber, 0};
    std::int64_t magnitude = 0;
    bool overflow = false;
    for (char c : text) {
        if (c < '0' || c > '9') return {noNumber, 0};
        // Beyond 2^32 every value is out of any int range; stop growing.
        if (magnitude > (std::int64_t{1} << 32))
            overflow = true;
        else
            magnitude = magnitude * 10 + (c - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (overflow || value < low || value > high) return {IntFieldError::OutOfRange, 0};
    return {IntFieldError::None, static_cast<int>(value)};
}

std::string IntFieldMessage(IntFieldError error, int low, int high) {
    switch (error) {
        case IntFieldError::None:
            return {};
        case IntFieldError::NotInteger:
            return TXT_NOT_INTEGER;
        case IntFieldError::NotPositiveInteger:
            return TXT_NOT_POSITIVE_INTEGER;
        case IntFieldError::OutOfRange:
            break;
    }
    std::string text = ReplaceAll(TXT_INTEGER_RANGE, "%1", std::to_string(low));
    return ReplaceAll(text, "%2", std::to_string(high));
}

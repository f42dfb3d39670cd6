#pragma once
// The text of a numeric field, read the way the dialogs' data exchange reads
// it, and the message shown when it is refused.

#include <string>
#include <string_view>

enum class IntFieldError {
    None,
    NotInteger,          // a signed field without a number
    NotPositiveInteger,  // an unsigned field without a number, or with a sign
    OutOfRange,          // a number outside the field's range
};

struct IntFieldResult {
    IntFieldError error = IntFieldError::None;
    int value = 0;  // meaningful only without an error
    bool operator==(const IntFieldResult&) const = default;
};

// Blanks around the number are allowed; a signed field takes one leading
// '+' or '-'; anything else that is not a digit refuses the text. A number
// too large for any integer is out of range rather than no number at all.
IntFieldResult ParseIntField(std::string_view text, bool isSigned, int low, int high);

// The message for a refused field; empty for IntFieldError::None.
std::string IntFieldMessage(IntFieldError error, int low, int high);

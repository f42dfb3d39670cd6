#pragma once
// Reads integers out of a comma-separated list such as "1,34,128".
// A missing value, or one that is not a number, reads as 0.

#include <string>
#include <string_view>

class CGetComma {
public:
    CGetComma() = default;
    explicit CGetComma(std::string_view text) : m_text(text) {}

    void SetString(std::string_view text) { m_text = std::string(text); }

    // Position of the n-th comma (n from 1); -1 when there are fewer than n
    // commas, when n is 0 or below, or when the text is empty.
    int FindComma(int n) const;

    // The integer at position index (0 = before the first comma).
    int GetValue(int index) const;

private:
    std::string m_text;
};

#include "win/data_exchange.h"

#include "core/int_field.h"
#include "core/sjis.h"
#include "win/dialog_base.h"

void DataExchange::Text(int id, std::string& value) {
    if (Skip()) return;
    if (m_saving)
        Keep(value, m_dialog.ItemText(id));
    else
        m_dialog.SetItemText(id, value);
}

void DataExchange::FilledText(int id, std::string& value, const char* message) {
    if (Skip() || !m_saving) return Text(id, value);
    std::string text = m_dialog.ItemText(id);
    if (sjis::TrimWhite(text).empty()) return Refuse(id, message);
    Keep(value, std::move(text));
}

void DataExchange::Int(int id, int& value, int low, int high, int upDownId, const char* message) {
    Number(id, value, low, high, upDownId, message, [low, high](std::string_view text) {
        return ParseIntField(text, true, low, high);
    });
}

void DataExchange::UInt(int id, int& value, int low, int high, int upDownId) {
    Number(id, value, low, high, upDownId, nullptr, [low, high](std::string_view text) {
        return ParseIntField(text, false, low, high);
    });
}

void DataExchange::LeadingInt(int id, int& value, int low, int high, int upDownId,
                              const char* message) {
    Number(id, value, low, high, upDownId, message, [low, high](std::string_view text) {
        const int number = sjis::ParseDecimal(text);
        return number >= low && number <= high ? IntFieldResult{IntFieldError::None, number}
                                               : IntFieldResult{IntFieldError::OutOfRange, 0};
    });
}

void DataExchange::Number(int id, int& value, int low, int high, int upDownId,
                          const char* message,
                          const std::function<IntFieldResult(std::string_view)>& parse) {
    if (Skip()) return;
    if (upDownId) m_dialog.SetUpDownRange(upDownId, low, high);
    if (!m_saving) {
        m_dialog.SetItemInt(id, value);
        return;
    }
    const IntFieldResult field = parse(m_dialog.ItemText(id));
    if (field.error == IntFieldError::None) {
        Keep(value, field.value);
        return;
    }
    Refuse(id, message ? message : IntFieldMessage(field.error, low, high));
}

void DataExchange::Refuse(int id, const std::string& message) {
    m_failed = true;
    m_dialog.OnValidateError(id, message);
}

void DataExchange::Check(int id, bool& value) {
    if (Skip()) return;
    if (m_saving)
        Keep(value, m_dialog.IsChecked(id));
    else
        m_dialog.SetChecked(id, value);
}

void DataExchange::CheckBit(int id, int& bits, int bit) {
    if (Skip()) return;
    if (!m_saving) {
        m_dialog.SetChecked(id, (bits & bit) != 0);
        return;
    }
    const bool on = m_dialog.IsChecked(id);
    // Bits of one word may come from several boxes: each keeps only its own.
    m_commits.push_back([&bits, bit, on] { bits = on ? (bits | bit) : (bits & ~bit); });
}

void DataExchange::ComboIndex(int id, int& index) {
    if (Skip()) return;
    if (m_saving)
        Keep(index, m_dialog.ComboSelection(id));
    else
        m_dialog.SetComboSelection(id, index);
}

void DataExchange::Commit() {
    if (m_failed) return;
    for (auto& commit : m_commits) commit();
    m_commits.clear();
}

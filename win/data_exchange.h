#pragma once
// One pass of a dialog's data exchange. A dialog lists its fields once, in
// DoDataExchange; the same list fills the controls (loading) and reads and
// checks them (saving). Saving stops at the first refused field and the
// dialog is told once; the members change only when every field passed.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/int_field.h"

class CDialogBase;

class DataExchange {
public:
    DataExchange(CDialogBase& dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}
    DataExchange(const DataExchange&) = delete;
    DataExchange& operator=(const DataExchange&) = delete;

    bool Failed() const { return m_failed; }
    // Hands the values read to the members, when nothing was refused.
    void Commit();

    void Text(int id, std::string& value);
    // A text that holds more than blanks; refused with `message` otherwise.
    void FilledText(int id, std::string& value, const char* message);
    // A number of low..high in edit `id`; a nonzero `upDownId` gets the same
    // range. A signed field takes a sign; an unsigned one digits only. A
    // field with a `message` of its own shows that for every refusal.
    void Int(int id, int& value, int low, int high, int upDownId = 0,
             const char* message = nullptr);
    void UInt(int id, int& value, int low, int high, int upDownId = 0);
    // A number of low..high taken by the decimal conversion: blanks, a sign
    // and the digits up to the first other character ("3x" is 3), no digits
    // giving 0; refused with `message` outside the range.
    void LeadingInt(int id, int& value, int low, int high, int upDownId, const char* message);
    void Check(int id, bool& value);
    // Bit `bit` of `bits` as a check box.
    void CheckBit(int id, int& bits, int bit);
    // The selected item of a drop-down list (-1: none).
    void ComboIndex(int id, int& index);
    // A value chosen in another dialog (a colour, a font) rather than typed
    // in a control: handed to `member` with the fields when saving.
    template <typename T>
    void Chosen(T& member, const T& chosen) {
        if (m_saving && !Skip()) Keep(member, chosen);
    }

private:
    template <typename T>
    void Keep(T& member, T value) {
        m_commits.push_back([&member, value] { member = value; });
    }
    // The field read by `parse`, which also checks the range.
    void Number(int id, int& value, int low, int high, int upDownId, const char* message,
                const std::function<IntFieldResult(std::string_view)>& parse);
    // Field `id` is refused: nothing after it is read, and the dialog is told.
    void Refuse(int id, const std::string& message);
    bool Skip() const { return m_failed; }

    CDialogBase& m_dialog;
    bool m_saving;
    bool m_failed = false;
    std::vector<std::function<void()>> m_commits;
};

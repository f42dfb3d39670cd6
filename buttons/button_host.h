#pragma once
// What a bar button asks of the window that holds it, for the edit and
// delete commands of its own menu. The bar implements it.

#include <string>

#include "config/records.h"

class CBarButton;

class CButtonHost {
public:
    // The properties dialog over the host, captioned "編集", on `entry`;
    // true and the new values after OK.
    virtual bool EditEntry(ButtonEntry& entry) = 0;
    // Stores the entry as button `index` (from 0) of `page`.
    virtual void SaveButton(int page, int index, const ButtonEntry& entry) = 0;
    // Refreshes the tool tip and icon of button `index` (from 0).
    virtual void UpdateButton(int index, const ButtonEntry& entry) = 0;
    // Removes the button from its page in the store and rebuilds the page;
    // the button object is gone when this returns.
    virtual void DeleteButton(CBarButton* button) = 0;

protected:
    ~CButtonHost() = default;
};

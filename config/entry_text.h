#pragma once

#include <string>

#include "config/records.h"

// How a button is named to the user, in tool tips and lists: its title;
// else the file name and extension of its target; else the target as
// stored.
std::string EntryText(const ButtonEntry& entry);

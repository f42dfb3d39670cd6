#pragma once
// A single-threaded COM apartment for the life of a scope, as the shell
// asks of a thread that calls it. The library is loaded on first use, from
// the system folder: a program that never needs it does not load it.

#include <windows.h>

class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HMODULE m_com = nullptr;
    bool m_joined = false;
};

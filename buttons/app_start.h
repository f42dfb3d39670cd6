#pragma once
// Starts what a bar button stands for: programs with their parameters,
// control-panel applets through the system's rundll32, anything else
// through the shell.
// A failed start is reported in a message box; nothing else changes.

#include <windows.h>

#include <string>

#include "buttons/launch_plan.h"

class CAppStart {
public:
    // Keeps the values; nothing is validated. The kind of target is decided
    // by its extension when it is started.
    void SetTarget(HWND owner, const std::string& fullPath, const std::string& dir,
                   const std::string& parm, int showMode);

    void Start() const;
    void RunWithFile(const std::string& file) const;

private:
    LaunchTarget Target() const;
    void Execute(const LaunchAction& action) const;
    void ReportFailure(const std::string& text) const;

    HWND m_owner = nullptr;
    std::string m_fullPath;
    int m_showMode = 0;
    std::string m_dir;
    std::string m_parm;
};

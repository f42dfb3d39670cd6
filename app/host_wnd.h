#pragma once
// The hidden top-level main window. It carries the title a second copy
// looks for, owns the bar, and its end ends the application.

#include <memory>

#include "win/window_base.h"

class CBarDlg;
class CLauncherApp;

class CHostWnd : public CWindowBase {
public:
    explicit CHostWnd(CLauncherApp& app);
    ~CHostWnd() override;

    // Registers the window class and creates the (still hidden) window.
    bool Create(const char* title);

    CBarDlg* Bar() const { return m_bar.get(); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override;

private:
    int OnCreate();

    CLauncherApp& m_app;
    std::unique_ptr<CBarDlg> m_bar;
};

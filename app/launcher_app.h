#pragma once
// The application object: the store's operations, start-up, the message
// loop and the version box. One exists for the whole run.

#include <windows.h>

#include <memory>
#include <string>

#include "config/launcher_store.h"

class CHostWnd;
class CBarDlg;

class CLauncherApp : public LauncherStore {
public:
    // The store is HKCU\Software\<company>\<appKey>; by default the key is
    // the application's name.
    explicit CLauncherApp(std::string appKey = {});
    ~CLauncherApp() override;

    // Start-up; false when the process should end at once (another copy
    // runs, or the windows could not be made).
    bool InitInstance();

    // The message loop; returns the exit code of WM_QUIT.
    int Run();

    // Handles one message as the loop does: the bar's pre-translation first.
    void ProcessMessage(MSG& msg);

    void OnAppAbout();

    // The host (the main window) and its bar while their windows exist.
    CHostWnd* MainWnd() const;
    CBarDlg* Bar() const;

private:
    bool PreTranslateMessage(MSG& msg);

    std::string m_appKey;
    std::unique_ptr<CHostWnd> m_host;
};

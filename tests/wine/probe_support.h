#pragma once
// What the launch and icon tests need around the program: the probe
// programs beside the test executable, the probe log, catching message
// boxes, and reading icons' pixels.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wt {

// The folder of the test executable, with its trailing backslash.
std::string TestDir();
// A fresh empty folder below the temporary folder, with a trailing backslash.
std::string ScratchDir(const std::string& name);
bool CopyTo(const std::string& from, const std::string& to);

// The log the probes append to; its path is handed to them through the
// environment variable TARVIX_PROBE_LOG, which started programs inherit.
class ProbeLog {
public:
    ProbeLog();
    ~ProbeLog();
    using Entry = std::map<std::string, std::string>;
    // Waits until the log holds `count` entries (while `pump` runs); the
    // entries found by then.
    std::vector<Entry> Wait(size_t count, int timeoutMs, const std::function<void()>& pump);
    std::vector<Entry> Read() const;

private:
    std::string m_path;
};

// The argument text after the program name of a command line.
std::string ArgumentsOf(const std::string& commandLine);

// Runs keyed by their arguments: started programs record their runs in
// whatever order the system schedules them.
std::map<std::string, ProbeLog::Entry> ByArguments(const std::vector<ProbeLog::Entry>& runs);

// While it lives, documents with the extension `ext` (".tvxprobe") open
// with the probe, which records every argument the shell hands over; the
// extension's former class comes back afterwards.
class DocumentType {
public:
    DocumentType(const std::string& ext, const std::string& probe);
    ~DocumentType();
    DocumentType(const DocumentType&) = delete;
    DocumentType& operator=(const DocumentType&) = delete;

private:
    std::string m_ext;
    std::string m_formerClass;
};

// Catches message boxes and dialogs of this thread while it lives: each one
// is recorded when it activates, then closed with `closeId`.
class DialogCatcher {
public:
    struct Seen {
        std::string title;
        std::vector<std::string> texts;  // texts of the child controls, in order
        std::vector<int> buttonIds;      // ids of the push buttons
        HICON icon = nullptr;            // the icon of a static icon control
        HWND owner = nullptr;
    };
    // Windows in `ignore` (the bar, which is a dialog too) are left alone.
    explicit DialogCatcher(int closeId = IDOK, std::vector<HWND> ignore = {});
    ~DialogCatcher();
    DialogCatcher(const DialogCatcher&) = delete;
    DialogCatcher& operator=(const DialogCatcher&) = delete;

    const std::vector<Seen>& Dialogs() const { return m_seen; }
    // Called with each dialog before it is closed.
    std::function<void(HWND)> onShow;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    void Record(HWND dialog);

    HHOOK m_hook = nullptr;
    int m_closeId;
    std::vector<Seen> m_seen;
    std::vector<HWND> m_windows;
    std::vector<HWND> m_ignore;
};

// Pixel (x, y) of an icon's colour image, as RGB; and its side.
COLORREF IconPixel(HICON icon, int x, int y);
int IconSize(HICON icon);

}  // namespace wt

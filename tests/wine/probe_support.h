#pragma once
// What the launch and icon tests need around the program: the probe
// programs beside the test executable, the probe log, a document type that
// opens with a probe, and reading icons' pixels.

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

// Pixel (x, y) of an icon's colour image, as RGB; and its side.
COLORREF IconPixel(HICON icon, int x, int y);
int IconSize(HICON icon);
// `icon` put into a fresh list of `side` pixels and drawn out again, as a
// button's list does it; the caller destroys it.
HICON ThroughList(HICON icon, int side);
// Image `index` of the shell's extra-large list; the caller destroys it.
HICON ShellExtraLarge(int index);

}  // namespace wt

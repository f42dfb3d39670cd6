#include "tests/wine/probe_support.h"

#include <commctrl.h>
#include <commoncontrols.h>
#include <shellapi.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace wt {

std::string TestDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

std::string ScratchDir(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string dir = std::string(temp) + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir + "\\";
}

bool CopyTo(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

ProbeLog::ProbeLog() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + "tarvix-probe-" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA("TARVIX_PROBE_LOG", m_path.c_str());
}

ProbeLog::~ProbeLog() {
    SetEnvironmentVariableA("TARVIX_PROBE_LOG", nullptr);
    DeleteFileA(m_path.c_str());
}

std::vector<ProbeLog::Entry> ProbeLog::Read() const {
    std::vector<Entry> entries;
    std::ifstream in(m_path, std::ios::binary);
    Entry entry;
    for (std::string line; std::getline(in, line);) {
        if (line == "end") {
            entries.push_back(entry);
            entry.clear();
            continue;
        }
        size_t eq = line.find('=');
        if (eq != std::string::npos) entry[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return entries;
}

std::vector<ProbeLog::Entry> ProbeLog::Wait(size_t count, int timeoutMs,
                                            const std::function<void()>& pump) {
    const DWORD end = GetTickCount() + timeoutMs;
    std::vector<Entry> entries = Read();
    while (entries.size() < count && static_cast<int>(end - GetTickCount()) > 0) {
        if (pump) pump();
        Sleep(20);
        entries = Read();
    }
    return entries;
}

std::map<std::string, ProbeLog::Entry> ByArguments(const std::vector<ProbeLog::Entry>& runs) {
    std::map<std::string, ProbeLog::Entry> byArguments;
    for (const auto& run : runs) byArguments[ArgumentsOf(run.at("cmdline"))] = run;
    return byArguments;
}

std::string ArgumentsOf(const std::string& commandLine) {
    size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        pos = commandLine.find('"', 1);
        pos = pos == std::string::npos ? commandLine.size() : pos + 1;
    } else {
        pos = commandLine.find(' ');
        if (pos == std::string::npos) pos = commandLine.size();
    }
    while (pos < commandLine.size() && commandLine[pos] == ' ') ++pos;
    return commandLine.substr(pos);
}

namespace {
constexpr const char* kProbeClass = "TarvixProbeDocument";
}  // namespace

DocumentType::DocumentType(const std::string& ext, const std::string& probe) : m_ext(ext) {
    char former[MAX_PATH] = "";
    LONG size = sizeof former;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ext.c_str(), former, &size) == ERROR_SUCCESS)
        m_formerClass = former;
    RegSetValueA(HKEY_CLASSES_ROOT, ext.c_str(), REG_SZ, kProbeClass, 0);
    const std::string command = "\"" + probe + "\" \"%1\" %*";
    RegSetValueA(HKEY_CLASSES_ROOT, (std::string(kProbeClass) + "\\shell\\open\\command").c_str(),
                 REG_SZ, command.c_str(), 0);
}

DocumentType::~DocumentType() {
    if (m_formerClass.empty())
        RegDeleteTreeA(HKEY_CLASSES_ROOT, m_ext.c_str());
    else
        RegSetValueA(HKEY_CLASSES_ROOT, m_ext.c_str(), REG_SZ, m_formerClass.c_str(), 0);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kProbeClass);
}

COLORREF IconPixel(HICON icon, int x, int y) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return CLR_INVALID;
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bits(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, bm.bmHeight, bits.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DWORD p = bits.at(static_cast<size_t>(y) * bm.bmWidth + x);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bm{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bm.bmWidth;
}

HICON ThroughList(HICON icon, int side) {
    HIMAGELIST list = ImageList_Create(side, side, ILC_COLORDDB | ILC_MASK, 0, 0);
    HICON out = nullptr;
    if (icon && ImageList_ReplaceIcon(list, -1, icon) == 0)
        out = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ImageList_Destroy(list);
    return out;
}

HICON ShellExtraLarge(int index) {
    IImageList* list = nullptr;
    HICON icon = nullptr;
    if (FAILED(SHGetImageList(SHIL_EXTRALARGE, IID_PPV_ARGS(&list)))) return nullptr;
    if (FAILED(list->GetIcon(index, ILD_NORMAL, &icon))) icon = nullptr;
    list->Release();
    return icon;
}

}  // namespace wt

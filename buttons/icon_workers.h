#pragma once
// Reads the icons of buttons on threads of their own, so that a file that
// does not answer (an offline share, a sleeping disk) never holds up the
// bar. A worker looks at the file first: when it still has the write time
// and size the kept icon was read from, nothing is read. Workers touch
// files and the shell only, never a window; their results wait in a queue
// for the window thread, which is told by a message when it is not already
// waiting for them. A worker that hangs is left to itself: closing never
// waits for one.

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/icon_cache_index.h"
#include "win/handles.h"

struct IconJob {
    IconKey key;
    int dpi = 96;
    // The stamp of the file the kept icon was read from, if one is kept.
    std::optional<FileStamp> kept;
};

struct IconResult {
    IconKey key;
    int dpi = 96;
    FileStamp stamp;
    bool fresh = false;  // the kept icon still holds: nothing was read
    UniqueIcon icon;     // read at the loader's size; empty: the file gave none
};

class CIconWorkers {
public:
    // Results are announced to `notify` with message `message`.
    CIconWorkers(HWND notify, UINT message);
    ~CIconWorkers();
    CIconWorkers(const CIconWorkers&) = delete;
    CIconWorkers& operator=(const CIconWorkers&) = delete;

    // A new page load: jobs of earlier ones that have not started are
    // dropped, and so are their results.
    void BeginLoad();
    // Queues `job` unless an icon of the same key is on its way already (a
    // file that hangs holds one worker, however often it is asked for).
    void Submit(IconJob job);
    // The results so far; when there are none, waits up to `waitMs` for one.
    std::vector<IconResult> Take(DWORD waitMs);
    // Jobs queued or running, or results not taken.
    bool Busy() const;

private:
    struct Shared;
    static DWORD WINAPI Work(void* param);

    std::shared_ptr<Shared> m_shared;
};

#include "buttons/icon_workers.h"

#include <deque>
#include <set>

#include "buttons/icon_cache.h"
#include "buttons/load_icon.h"
#include "win/com_apartment.h"

namespace {
constexpr int kWorkers = 4;

// The work of one job, on a worker.
IconResult Run(const IconJob& job) {
    IconResult result{job.key, job.dpi, StampOfFile(job.key.file), false, {}};
    if (job.kept && *job.kept == result.stamp) {
        result.fresh = true;
        return result;
    }
    CLoadIcon loader;
    loader.SetSmall(job.key.small, job.dpi);
    result.icon = loader.GetIcon(job.key.file, job.key.index, job.key.size);
    return result;
}
}  // namespace

// What the workers and the window thread share; it lives as long as the
// last of them.
struct CIconWorkers::Shared {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE jobsWaiting = CONDITION_VARIABLE_INIT;
    std::deque<IconJob> jobs;
    std::set<IconKey> onTheirWay;  // queued or running
    std::vector<IconResult> results;
    UniqueKernelHandle resultsWaiting{CreateEventA(nullptr, FALSE, FALSE, nullptr)};
    int running = 0;
    bool closed = false;
    bool announced = false;  // a message is on its way
    HWND notify = nullptr;
    UINT message = 0;

    // The next job; false once closed.
    bool Next(IconJob& job) {
        AcquireSRWLockExclusive(&lock);
        while (!closed && jobs.empty()) SleepConditionVariableSRW(&jobsWaiting, &lock, INFINITE, 0);
        const bool open = !closed;
        if (open) {
            job = std::move(jobs.front());
            jobs.pop_front();
            ++running;
        }
        ReleaseSRWLockExclusive(&lock);
        return open;
    }

    void Deliver(IconResult result) {
        AcquireSRWLockExclusive(&lock);
        --running;
        onTheirWay.erase(result.key);
        const bool wanted = !closed;
        const bool announce = wanted && !announced;
        if (wanted) results.push_back(std::move(result));
        announced = announced || announce;
        ReleaseSRWLockExclusive(&lock);
        if (!wanted) return;  // the icon goes with the result
        SetEvent(resultsWaiting.Get());
        if (announce) PostMessageA(notify, message, 0, 0);
    }
};

CIconWorkers::CIconWorkers(HWND notify, UINT message) : m_shared(std::make_shared<Shared>()) {
    m_shared->notify = notify;
    m_shared->message = message;
    for (int k = 0; k < kWorkers; ++k) {
        auto* shared = new std::shared_ptr<Shared>(m_shared);
        HANDLE thread = CreateThread(nullptr, 0, Work, shared, 0, nullptr);
        if (thread)
            CloseHandle(thread);
        else
            delete shared;
    }
}

CIconWorkers::~CIconWorkers() {
    AcquireSRWLockExclusive(&m_shared->lock);
    m_shared->closed = true;
    m_shared->jobs.clear();
    m_shared->results.clear();
    ReleaseSRWLockExclusive(&m_shared->lock);
    WakeAllConditionVariable(&m_shared->jobsWaiting);
}

DWORD WINAPI CIconWorkers::Work(void* param) {
    std::unique_ptr<std::shared_ptr<Shared>> owner(static_cast<std::shared_ptr<Shared>*>(param));
    Shared& shared = **owner;
    ComApartment apartment;  // the shell asks for one
    for (IconJob job; shared.Next(job);) shared.Deliver(Run(job));
    return 0;
}

void CIconWorkers::BeginLoad() {
    AcquireSRWLockExclusive(&m_shared->lock);
    for (const IconJob& job : m_shared->jobs) m_shared->onTheirWay.erase(job.key);
    m_shared->jobs.clear();
    m_shared->results.clear();
    ReleaseSRWLockExclusive(&m_shared->lock);
}

void CIconWorkers::Submit(IconJob job) {
    AcquireSRWLockExclusive(&m_shared->lock);
    const bool added = m_shared->onTheirWay.insert(job.key).second;
    if (added) m_shared->jobs.push_back(std::move(job));
    ReleaseSRWLockExclusive(&m_shared->lock);
    if (added) WakeConditionVariable(&m_shared->jobsWaiting);
}

bool CIconWorkers::Busy() const {
    AcquireSRWLockShared(&m_shared->lock);
    const bool busy =
        !m_shared->jobs.empty() || m_shared->running > 0 || !m_shared->results.empty();
    ReleaseSRWLockShared(&m_shared->lock);
    return busy;
}

std::vector<IconResult> CIconWorkers::Take(DWORD waitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        std::vector<IconResult> taken;
        AcquireSRWLockExclusive(&m_shared->lock);
        taken.swap(m_shared->results);
        m_shared->announced = false;
        ReleaseSRWLockExclusive(&m_shared->lock);
        const DWORD spent = GetTickCount() - start;
        if (!taken.empty() || spent >= waitMs) return taken;
        // The signal may be left from results taken already: look again.
        WaitForSingleObject(m_shared->resultsWaiting.Get(), waitMs - spent);
    }
}

#include "bench/round_trip.h"

#include "win/handles.h"

namespace bench {
namespace {

constexpr int kCalls = 500;

// Microseconds per wait on an event that is not set: nothing but the
// round trip to the server.
double PerCall(HANDLE event) {
    const double start = NowMs();
    for (int i = 0; i < kCalls; ++i) WaitForSingleObject(event, 0);
    return (NowMs() - start) * 1000 / kCalls;
}

volatile unsigned g_sink;

void Compute(double ms) {
    unsigned x = 1;
    for (const double start = NowMs(); NowMs() - start < ms;)
        for (int i = 0; i < 10000; ++i) x = x * 1664525u + 1013904223u;
    g_sink = x;
}

}  // namespace

RoundTrips TimeRoundTrips(int rounds) {
    RoundTrips trips;
    const UniqueKernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!event) return trips;
    PerCall(event.Get());
    for (int r = 0; r < rounds; ++r) {
        Sleep(300);
        trips.rested.Add(PerCall(event.Get()));
        Compute(600);
        trips.busy.Add(PerCall(event.Get()));
    }
    return trips;
}

}  // namespace bench

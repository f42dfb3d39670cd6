#include "core/step_marks.h"

namespace {
StepListener g_listener = nullptr;
void* g_context = nullptr;
}  // namespace

void SetStepListener(StepListener listener, void* context) {
    g_listener = listener;
    g_context = context;
}

void StepDone(const char* step) {
    if (g_listener) g_listener(step, g_context);
}

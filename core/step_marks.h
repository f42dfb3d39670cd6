#pragma once
// The program's named steps (the start-up's, a page switch's phases) say
// here when each ends. Nothing listens in the program itself, where a step
// costs one test of a pointer; a benchmark listens and times the steps as
// the program runs them. One thread only: the window thread's.

using StepListener = void (*)(const char* step, void* context);

// Replaces the listener; nullptr stops listening.
void SetStepListener(StepListener listener, void* context);

// Tells the listener, if any, that `step` has just ended.
void StepDone(const char* step);

#pragma once
// Every refused key and failed check beeps through here, so tests can count the beeps.

#include <functional>

void Beep();
// Called on every beep instead of nothing; nullptr removes it. The system beep sounds anyway.
void SetBeepObserver(std::function<void()> observer);

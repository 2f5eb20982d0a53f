// Waits that keep the user interface alive: the condition is polled while pending events are
// processed, and every wait ends after a bound so a page that never loads cannot freeze the program.
#pragma once

#include <functional>

namespace tova {

// Generous bound for waits on pages and frames.
constexpr int kPageWaitMs = 20000;

// Processes events while condition() holds, at most timeoutMs. Returns true when the condition
// cleared, false when the bound was reached.
bool waitWhile(const std::function<bool()>& condition, int timeoutMs = kPageWaitMs);

// Processes pending events once.
void doEvents();

} // namespace tova

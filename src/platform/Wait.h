// Waits that keep the user interface alive: the condition is polled while pending events are
// processed, and every wait ends after a bound so a page that never loads cannot freeze the program.
#pragma once

#include <functional>

class QProcess;

namespace tova {

// Generous bound for waits on pages and frames.
constexpr int kPageWaitMs = 20000;

// Processes events while condition() holds, at most timeoutMs. Returns true when the condition
// cleared, false when the bound was reached: a caller decides what happens when what it waited for
// never came, and one that goes on all the same says so with a cast to void.
[[nodiscard]] bool waitWhile(const std::function<bool()>& condition, int timeoutMs = kPageWaitMs);

// Processes events for timeoutMs: a pause that lets the window system and the browser catch up.
void processEventsFor(int timeoutMs);

// Processes events until a started process has ended, at most timeoutMs; a process still running
// then is killed. Returns true when it ended by itself.
bool waitForProcessEnd(QProcess& process, int timeoutMs);

// Processes pending events once.
void doEvents();

// Delivers the events posted before this call. Call it before waiting in a nested QEventLoop for
// an answer the engine posts: run from a posted event, that loop does not deliver the events that
// were already queued behind the caller's when its delivery began, and when the engine's own
// event is among them the answer cannot arrive until the loop gives up.
void deliverEventsQueuedBehindCaller();

} // namespace tova

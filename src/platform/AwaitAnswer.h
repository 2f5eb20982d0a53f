// Waiting for an answer that comes back through a callback (the browser engine answers scripts and
// printouts that way), keeping the user interface alive and bounded.
#pragma once

#include <QVariant>

#include <functional>
#include <optional>

namespace tova {

// The function an asker hands the answer to; it may be called after the wait is over.
using Answer = std::function<void(const QVariant&)>;

// Calls ask with the function to answer with and waits for the answer, at most timeoutMs; nothing
// when the wait ran out.
std::optional<QVariant> awaitAnswer(const std::function<void(const Answer&)>& ask, int timeoutMs);

} // namespace tova

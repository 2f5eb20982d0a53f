// Where the new review dialog takes "now" from, so tests can fix the moment.
#pragma once

#include <QDateTime>

namespace tova::review {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The system clock.
Clock& systemClock();

} // namespace tova::review

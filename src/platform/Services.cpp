#include "platform/Services.h"

namespace tova {

Services& services() {
    static Services instance;
    return instance;
}

} // namespace tova

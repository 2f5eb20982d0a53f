#include "platform/NumberLocale.h"

#include <clocale>

namespace tova {

void useCNumbersInCLibrary() {
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace tova

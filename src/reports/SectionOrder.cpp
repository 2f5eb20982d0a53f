#include "reports/SectionOrder.h"

namespace Globals {

std::array<qint16, 5> gSectionOrder{2, 3, 1, 4, 0};

} // namespace Globals

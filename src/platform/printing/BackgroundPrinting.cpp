#include "platform/printing/BackgroundPrinting.h"

#include "platform/SystemServices.h"

namespace tova::printing {

BackgroundPrintingScope::BackgroundPrintingScope(bool printBackgrounds)
    : m_kept(RegHelpers::QueryValueHKCU(backgroundPrintingKey(), backgroundPrintingValue())) {
    RegHelpers::SetKeyValueHKCU(backgroundPrintingKey(), backgroundPrintingValue(),
                                printBackgrounds ? QStringLiteral("yes") : QStringLiteral("no"), RegHelpers::REG_SZ);
}

BackgroundPrintingScope::~BackgroundPrintingScope() {
    restore();
}

void BackgroundPrintingScope::restore() {
    if (m_restored)
        return;
    m_restored = true;
    RegHelpers::SetKeyValueHKCU(backgroundPrintingKey(), backgroundPrintingValue(), m_kept, RegHelpers::REG_SZ);
}

} // namespace tova::printing

#include "platform/LinkFragment.h"

namespace tova {

QString linkFragment(const QString& address) {
    const qsizetype hash = address.lastIndexOf(QLatin1Char('#'));
    return hash < 0 ? QString() : address.mid(hash + 1);
}

} // namespace tova

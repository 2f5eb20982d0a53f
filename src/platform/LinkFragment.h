// Where a page link's code stands. Codes ("gls", "CLS", "BCK", ...) are read only from the text
// after the address's last "#": the rest of the address is a folder path, which may hold any
// letters (a home folder named /home/glsmith, say).
#pragma once

#include <QString>

namespace tova {

// The text after the last "#"; empty when the address has no "#".
QString linkFragment(const QString& address);

} // namespace tova

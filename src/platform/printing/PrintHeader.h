// The header picture that printouts carry above the page: the markup and the page script that
// puts it at the start of a loaded page's body.
#pragma once

#include <QString>

namespace tova::printing {

// One centred paragraph holding the header picture; its address is relative to the printed page,
// which always lies one folder below the application folder.
QString headerFragment();

// A script line that inserts headerFragment() before the first content of the page's body. It
// throws when the page has no body, so the caller learns that nothing was inserted.
QString insertHeaderScript();

// A script expression that is true once every picture of the page has finished loading (or failed
// to), so a printout does not go out with the header picture still missing.
QString picturesSettledScript();

} // namespace tova::printing

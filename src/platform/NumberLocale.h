// The C library's number format for the whole process. Creating the application object makes the
// C library take the user's locale, and libxml2 and libxslt write and read numbers through the C
// library ("280,3" under a decimal comma), whereas numbers inside XML and XSL must mean the same
// under every locale. The user's own number format still reaches the screen through QLocale, which
// takes it from the environment, not from the C library.
#pragma once

namespace tova {

// Sets the C library's number format to the C form ("." as the decimal point, no grouping). Call
// it right after the application object is created and before any XML is read or written.
void useCNumbersInCLibrary();

} // namespace tova

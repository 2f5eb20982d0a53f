// The browser's background-printing setting ("Print_Background"), switched for one print job and
// put back afterwards, whatever way the job ends.
#pragma once

#include <QString>

namespace tova::printing {

// Where the setting lives in the registry-like value store.
inline QString backgroundPrintingKey() {
    return QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main");
}
inline QString backgroundPrintingValue() {
    return QStringLiteral("Print_Background");
}

// Keeps the setting's text (empty when absent), writes "yes" (on) or "no" (off) for the job, and
// writes the kept text back on restore() or at the latest when it goes out of scope. A value that
// was absent is written back as an empty text.
class BackgroundPrintingScope {
public:
    explicit BackgroundPrintingScope(bool printBackgrounds);
    ~BackgroundPrintingScope();
    BackgroundPrintingScope(const BackgroundPrintingScope&) = delete;
    BackgroundPrintingScope& operator=(const BackgroundPrintingScope&) = delete;

    // Puts the kept text back now; later calls do nothing.
    void restore();

private:
    QString m_kept;
    bool m_restored = false;
};

} // namespace tova::printing

// A browser that goes nowhere: screens are measured without the web engine.
#pragma once

#include "platform/browser/WebBrowser.h"

namespace bench {

class NullBrowser final : public tova::WebBrowser {
public:
    QString Name() const override { return QStringLiteral("bench"); }
    void Navigate2(const QString&, const QString&) override {}
    bool Busy() const override { return false; }
    int ReadyState() const override { return 4; }
    bool IsFrameComplete(const QString&) const override { return true; }
    QString LocationName() const override { return QString(); }
    QString LocationURL() const override { return QString(); }
    bool ExecScript(const QString&, const QString&) override { return true; }
};

} // namespace bench

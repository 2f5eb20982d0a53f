#include "platform/browser/WebBrowser.h"

#include "platform/Wait.h"

namespace tova {

namespace {
// Enough to cover the navigations one script call can start while its caller waits.
constexpr std::size_t kRecentNavigations = 64;
} // namespace

bool WebBrowser::fireBeforeNavigate(const QString& url) {
    const bool cancel = m_beforeNavigate ? m_beforeNavigate(url) : false;
    m_recent.emplace_back(++m_fired, url);
    while (m_recent.size() > kRecentNavigations)
        m_recent.pop_front();
    return cancel;
}

bool WebBrowser::waitForBeforeNavigate(std::uint64_t since, const std::function<bool(const QString&)>& matches,
                                       int timeoutMs) {
    auto seen = [&] {
        for (const auto& [number, url] : m_recent) {
            if (number > since && matches(url))
                return true;
        }
        return false;
    };
    return waitWhile([&] { return !seen(); }, timeoutMs);
}

} // namespace tova

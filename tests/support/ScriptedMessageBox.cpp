#include "support/ScriptedMessageBox.h"

namespace tova::test {

MsgAnswer ScriptedMessageBox::ask(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    m_asked.append({text, buttons, icon, title});
    if (m_onAsk)
        m_onAsk(m_asked.last());
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : m_fallback;
}

QStringList ScriptedMessageBox::texts() const {
    QStringList result;
    for (const AskedMessage& message : m_asked)
        result << message.text;
    return result;
}

} // namespace tova::test

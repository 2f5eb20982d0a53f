// A message box service for tests: records every message and answers from a queue.
#pragma once

#include "platform/dialogs/MessageBox.h"

#include <QList>
#include <QString>

#include <functional>

namespace tova::test {

struct AskedMessage {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
};

class ScriptedMessageBox final : public MessageBoxService {
public:
    MsgAnswer ask(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;

    // Answers given in order; when the queue is empty the default answer is used (Ok for an OK box,
    // else the fallback).
    void queue(MsgAnswer answer) { m_answers.append(answer); }
    void setFallback(MsgAnswer answer) { m_fallback = answer; }
    // Called for each message after it is recorded (to act while a modal box would be up).
    void setOnAsk(std::function<void(const AskedMessage&)> onAsk) { m_onAsk = std::move(onAsk); }

    const QList<AskedMessage>& asked() const { return m_asked; }
    QStringList texts() const;
    void clear() {
        m_asked.clear();
        m_answers.clear();
    }

private:
    QList<AskedMessage> m_asked;
    QList<MsgAnswer> m_answers;
    MsgAnswer m_fallback = MsgAnswer::No;
    std::function<void(const AskedMessage&)> m_onAsk;
};

} // namespace tova::test

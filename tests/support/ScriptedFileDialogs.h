// A file dialog service for tests: records each request and answers from a queue (nothing = cancel).
#pragma once

#include "platform/dialogs/FileDialogs.h"

#include <QList>

namespace tova::test {

class ScriptedFileDialogs final : public FileDialogService {
public:
    std::optional<QString> getOpenFileName(const FileDialogRequest& request) override { return next(request); }
    std::optional<QString> getSaveFileName(const FileDialogRequest& request) override { return next(request); }

    void queue(std::optional<QString> answer) { m_answers.append(answer); }
    const QList<FileDialogRequest>& requests() const { return m_requests; }

private:
    std::optional<QString> next(const FileDialogRequest& request) {
        m_requests.append(request);
        return m_answers.isEmpty() ? std::nullopt : m_answers.takeFirst();
    }
    QList<FileDialogRequest> m_requests;
    QList<std::optional<QString>> m_answers;
};

} // namespace tova::test

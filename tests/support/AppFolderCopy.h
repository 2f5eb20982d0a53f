// Copies of the built application folder for code that writes into its application folder
// (generated pages, chart pictures): tests and benchmarks work on a copy, never on the folder the
// program is started from.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace tova::test {

// Copies the application folder source to target, without the program (nothing starts it from a
// copy, and it is most of the folder's size).
inline void copyAppFolderWithoutProgram(const QString& source, const QString& program, const QString& target) {
    const QFileInfo programFile(program);
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (QFileInfo(file) == programFile)
            continue;
        const QString destination = target + QLatin1Char('/') + QDir(source).relativeFilePath(file);
        QDir().mkpath(QFileInfo(destination).path());
        QFile::copy(file, destination);
        QFile(destination).setPermissions(QFile(file).permissions() | QFile::WriteOwner);
    }
}

} // namespace tova::test

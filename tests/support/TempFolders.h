#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the application, temporary and preference folders at fresh sub-folders of one
// temporary folder for as long as it lives, then returns them to their normal places.
class TempFolders
{
public:
    TempFolders();
    ~TempFolders();
    TempFolders(const TempFolders&) = delete;
    TempFolders& operator=(const TempFolders&) = delete;

    QString root() const { return m_dir.path(); }
    QString application() const { return m_dir.path() + "/app"; }
    QString temporary() const { return m_dir.path() + "/tmp"; }
    QString preferences() const { return m_dir.path() + "/prefs"; }

    // Writes content to a file below root(), creating its folders; returns the file's path.
    QString writeFile(const QString& relativePath, const QByteArray& content) const;

private:
    QTemporaryDir m_dir;
};

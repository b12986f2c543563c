#include "consultation/logic/SettingsFile.h"

#include "platform/LineReader.h"
#include "platform/TextFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <limits>

namespace {

constexpr int SettingsLineCount = 9;

int WholeInt(const QString& line)
{
    const qint64 value = WholeNumber(line);
    return int(qBound(qint64(std::numeric_limits<int>::min()), value,
                      qint64(std::numeric_limits<int>::max())));
}

bool IsUsableFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

} // namespace

QString SettingsFilePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("Mainwindow.txt"));
}

std::optional<WindowSettings> ReadWindowSettings(const QString& folder)
{
    if (!IsUsableFolder(folder))
        return std::nullopt;
    const QString path = SettingsFilePath(folder);
    if (!QFileInfo::exists(path))
        return std::nullopt;
    bool ok = false;
    const QStringList lines = ReadAllLines(path, &ok);
    if (!ok || lines.size() < SettingsLineCount)
        return std::nullopt;

    WindowSettings settings;
    settings.left = WholeInt(lines[0]);
    settings.top = WholeInt(lines[1]);
    settings.width = WholeInt(lines[2]);
    settings.height = WholeInt(lines[3]);
    settings.manuscript = WholeInt(lines[4]);
    settings.edition = WholeInt(lines[5]);
    settings.laisseVerse = WholeInt(lines[6]);
    settings.font = WholeInt(lines[7]);
    settings.size = Str(WholeNumber(lines[8]));
    return settings;
}

bool WriteWindowSettings(const QString& folder, const WindowSettings& settings)
{
    if (!IsUsableFolder(folder))
        return false;
    // A line break typed into the size box would push the size out of its line.
    QString size = settings.size;
    size.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    const QStringList lines = {
        Str(settings.left),        Str(settings.top),        Str(settings.width),
        Str(settings.height),      Str(settings.manuscript), Str(settings.edition),
        Str(settings.laisseVerse), Str(settings.font),       size,
    };
    QSaveFile file(SettingsFilePath(folder));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString& line : lines)
        file.write((line + QLatin1Char('\n')).toUtf8());
    // commit() puts the new file in place even when its last bytes could not be written (a
    // full disk), so whether they were is asked first.
    if (!file.flush())
        file.cancelWriting();
    return file.commit();
}

#pragma once

#include <QString>
#include <optional>

// The window's settings between runs, kept in "Mainwindow.txt": nine lines, one value each, in
// the order of the fields below. UTF-8 with LF line endings.
struct WindowSettings
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Selected index of each popup, -1 for none.
    int manuscript = -1;
    int edition = -1;
    int laisseVerse = -1;
    int font = -1;
    // The size box's text: as typed when written, the plain decimal of its whole number when read.
    QString size;
};

// The settings file's path in folder.
QString SettingsFilePath(const QString& folder);

// The settings stored in folder. Nothing when the folder is unset or missing, the file is missing
// or unreadable, or it holds fewer than nine lines; lines after the ninth are ignored. Every line
// reads as the whole number in front of it ("12.5" -> 12, "abc" -> 0).
std::optional<WindowSettings> ReadWindowSettings(const QString& folder);

// Replaces the settings file in folder whole; a failed write leaves the earlier file as it was.
// False when the folder is unset or missing or the file could not be written.
bool WriteWindowSettings(const QString& folder, const WindowSettings& settings);

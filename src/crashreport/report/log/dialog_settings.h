#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <optional>

namespace crashnote::report {

// What the reporter's dialogs remember between runs, kept in "CrashNote.ini".
struct DialogSettings {
    int width = 745;
    int height = 468;
    std::optional<int> left;     // none: centred in the work area
    std::optional<int> top;
    int windowState = 1;         // 1 normal, else the window's show state
    std::array<int, 7> moduleColumns{80, 96, 175, 50, 54, 712, 80};
    std::array<int, 8> processColumns{48, 134, 232, 56, 57, 47, 52, 330};
    std::array<int, 6> callStackColumns{89, 92, 126, 126, 200, 61};
    QString email;
};

// The settings file: $HOME/CrashNote/CrashNote.ini, or the per-program
// fallback when that place cannot be written.
QString dialogSettingsFileName(const QString &programPath);

// Missing keys and an unreadable file give the defaults.
DialogSettings readDialogSettings(const QString &path);

// Coordinates are written only for a window in the normal state; the state always.
bool writeDialogSettings(const QString &path, const DialogSettings &settings);

// The dialog's rectangle: the stored one, centred when no position is
// stored, moved back inside the work area when it would leave it.
QRect dialogRectangle(const DialogSettings &settings, const QRect &workArea);

} // namespace crashnote::report

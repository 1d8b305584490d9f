#pragma once

#include <QString>

namespace crashnote::report {

struct LogNameInput {
    QString programPath;        // full path of the program file
    QString logFileOption;      // the "log file name" option, already expanded
    bool perComputer = false;   // report flags bit 3
    QString computerName;
};

// Where the log file goes before checking that it can be written there.
QString preferredLogFileName(const LogNameInput &input);

// The user's own folder for reporter files: $HOME/CrashNote.
QString userCrashNoteFolder();

// A file of this name in the user's folder, below a folder named after the
// program; missing folders are created.
QString fallbackFileName(const QString &programPath, const QString &fileName);

// True when the file can be created or opened for writing; a file created
// only to find out is removed again.
bool canWriteFile(const QString &path);

// The preferred place when it can be written, else the fallback.
QString logFileName(const LogNameInput &input);

} // namespace crashnote::report

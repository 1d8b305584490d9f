// Fuzz target: any bytes as "CrashNote.ini".
#include "log/dialog_settings.h"
#include "log/ini_text.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace crashnote::report;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("CrashNote.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::abort();
    }
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const DialogSettings settings = readDialogSettings(path);
    // Whatever the file says, a dialog that fits is placed inside the work area.
    const QRect workArea(0, 0, 4000, 3000);
    DialogSettings fitting = settings;
    fitting.width = std::clamp(settings.width, 1, workArea.width());
    fitting.height = std::clamp(settings.height, 1, workArea.height());
    if (!workArea.contains(dialogRectangle(fitting, workArea)))
        std::abort();
    // What is written is read back the same.
    if (!writeDialogSettings(path, settings))
        std::abort();
    const DialogSettings reread = readDialogSettings(path);
    if (reread.width != settings.width || reread.email != settings.email
        || reread.callStackColumns != settings.callStackColumns)
        std::abort();
    return 0;
}

#include "log/dialog_settings.h"
#include "log/log_place.h"
#include "log/report_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace crashnote::report;

namespace {

// Every test gets its own $HOME.
struct UserFolder : ::testing::Test {
    QTemporaryDir home;
    QByteArray savedHome = qgetenv("HOME");
    UserFolder() { qputenv("HOME", home.path().toUtf8()); }
    ~UserFolder() override { qputenv("HOME", savedHome); }
};

} // namespace

TEST_F(UserFolder, LogFileNameForms)
{
    struct Case {
        LogNameInput input;
        QString expected;
    };
    const QString user = home.path() + "/CrashNote/";
    const Case cases[] = {
        {{"/opt/veldorin/veldorin", "", false, ""}, user + "veldorin.cnl"},
        {{"/opt/veldorin/veldorin.bin", "/var/log/vel", false, ""}, "/var/log/vel/veldorin.cnl"},
        {{"/opt/veldorin/veldorin", "/srv/logs/", false, ""}, "/srv/logs/veldorin.cnl"},
        {{"/opt/veldorin/veldorin", "/srv/Erros.CNL", false, ""}, "/srv/Erros.CNL"},
        {{"/opt/veldorin/veldorin", "", true, "balc/ao:1"}, user + "veldorin_balc_ao_1.cnl"},
        {{"/opt/veldorin/veldorin", "/srv/all.cnl", true, "pc"}, "/srv/all_pc.cnl"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(preferredLogFileName(c.input), c.expected) << c.expected.toStdString();
}

TEST_F(UserFolder, UnwritablePlaceFallsBackToProgramFolderInUserFolder)
{
    const LogNameInput input{"/opt/veldorin/veldorin.bin", "/proc/no-such-folder", false, ""};
    const QString path = logFileName(input);
    EXPECT_EQ(path, home.path() + "/CrashNote/veldorin/veldorin.cnl");
    EXPECT_TRUE(saveReport(path, "CrashNote 6.0.6\r\nT:\r\n-\r\n|x|\r\n-\r\n", 32));
    EXPECT_EQ(ReportLog(path).entries().size(), 1);
}

TEST_F(UserFolder, WritablePlaceIsKeptAndNotLeftBehind)
{
    QDir(home.path()).mkpath("logs");
    const QString path = logFileName({"/opt/veldorin/veldorin", home.filePath("logs"), false, ""});
    EXPECT_EQ(path, home.filePath("logs/veldorin.cnl"));
    EXPECT_FALSE(QFile::exists(path));   // the write test removed what it created
}

TEST_F(UserFolder, SettingsDefaultsRoundTripAndBadValues)
{
    const QString path = dialogSettingsFileName("/opt/veldorin/veldorin");
    const DialogSettings defaults = readDialogSettings(path);
    EXPECT_EQ(defaults.width, 745);
    EXPECT_EQ(defaults.height, 468);
    EXPECT_FALSE(defaults.left.has_value());
    EXPECT_EQ(defaults.windowState, 1);
    EXPECT_EQ(defaults.moduleColumns[5], 712);
    EXPECT_EQ(defaults.processColumns[7], 330);
    EXPECT_EQ(defaults.callStackColumns[4], 200);

    DialogSettings changed = defaults;
    changed.width = 900;
    changed.left = 10;
    changed.top = 20;
    changed.callStackColumns[0] = 120;
    changed.email = "ana@loja.com.br";
    ASSERT_TRUE(writeDialogSettings(path, changed));
    DialogSettings maximised = readDialogSettings(path);
    EXPECT_EQ(maximised.width, 900);
    EXPECT_EQ(maximised.left, 10);
    EXPECT_EQ(maximised.callStackColumns[0], 120);
    EXPECT_EQ(maximised.email, "ana@loja.com.br");

    // A maximised window keeps its last normal coordinates.
    maximised.windowState = 3;
    maximised.width = 1900;
    ASSERT_TRUE(writeDialogSettings(path, maximised));
    EXPECT_EQ(readDialogSettings(path).width, 900);
    EXPECT_EQ(readDialogSettings(path).windowState, 3);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Coordinates]\r\nWidth=wide\r\nHeight=500\r\n[User]\r\nEmail=x@y.z\r\n");
    file.close();
    const DialogSettings mixed = readDialogSettings(path);
    EXPECT_EQ(mixed.width, 745);
    EXPECT_EQ(mixed.height, 500);
    EXPECT_EQ(mixed.email, "x@y.z");

    // A size no window can have counts as damaged.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Coordinates]\r\nWidth=900\r\nHeight=-5\r\n");
    file.close();
    EXPECT_EQ(readDialogSettings(path).height, 468);
}

TEST(DialogRectangle, CentredOrMovedBackIntoWorkArea)
{
    const QRect work(0, 0, 1000, 800);
    DialogSettings settings;
    EXPECT_EQ(dialogRectangle(settings, work).center(), work.center());
    settings.left = 900;
    settings.top = 700;
    EXPECT_EQ(dialogRectangle(settings, work), QRect(1000 - 745, 800 - 468, 745, 468));
    settings.left = -50;
    settings.top = -10;
    EXPECT_EQ(dialogRectangle(settings, work).topLeft(), QPoint(0, 0));
    // A damaged position far outside does not overflow.
    settings.left = std::numeric_limits<int>::max();
    settings.top = std::numeric_limits<int>::min();
    EXPECT_EQ(dialogRectangle(settings, work), QRect(1000 - 745, 0, 745, 468));
    // Too big for the work area: right and bottom first, then left and top win.
    settings.width = 1200;
    EXPECT_EQ(dialogRectangle(settings, work).left(), 0);
}

#include "widgets/screen_state.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace crashnote::report;

namespace {

class CadastroWindow : public QWidget {
};

} // namespace

TEST(ScreenState, FocusedPasswordIsMaskedAndDisplayRead)
{
    CadastroWindow window;
    window.setWindowTitle("Cadastro de Embalagens");
    auto *layout = new QVBoxLayout(&window);
    auto *name = new QLineEdit("Ana");
    auto *password = new QLineEdit("segredo");
    password->setEchoMode(QLineEdit::Password);
    layout->addWidget(name);
    layout->addWidget(password);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);

    password->setFocus();
    QApplication::processEvents();
    std::optional<ActiveControls> controls = captureActiveControls();
    ASSERT_TRUE(controls.has_value());
    EXPECT_EQ(controls->formText.toStdString(), "Cadastro de Embalagens");
    EXPECT_EQ(controls->controlClass.toStdString(), "QLineEdit");
    EXPECT_EQ(controls->controlText.toStdString(), "*******");

    name->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(captureActiveControls()->controlText.toStdString(), "Ana");

    const std::optional<DisplayInfo> display = captureDisplay();
    ASSERT_TRUE(display.has_value());
    EXPECT_GT(display->width, 0);
    EXPECT_GT(display->dpi, 0);
}

// The windows are real; the offscreen platform needs no display server.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

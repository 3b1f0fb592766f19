// Start-up, main window, pickers and confirmations on the real Qt widgets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <ctime>

#include "forms/qt/qt_backend.h"
#include "shell/main_window.h"
#include "support/qt_app.h"

namespace {

using testsupport::QtApp;

TEST(ShellGui, SplashStaysTwoSecondsThenTheMainWindowOpens) {
    QtApp app;
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuBefore = std::clock();
    shell::frmquarnixload_Form_Load(app.forms);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_GE(clock.elapsed(), 2000);
    // The wait sleeps between events instead of spinning: far less than its two seconds of CPU.
    EXPECT_LT(cpuSeconds, 1.0);
    // And it does end: a loop that never saw its two seconds pass would hang here.
    EXPECT_LT(clock.elapsed(), 8000);
    EXPECT_FALSE(app.forms.isLoaded("frmquarnixload"));
    ASSERT_TRUE(app.forms.isVisible("frmgtapick"));
    EXPECT_EQ(app.focusName("frmgtapick"), "cmdgta3");
    EXPECT_EQ(app.quits, 0);
}

TEST(ShellGui, SplashIsBorderlessAndFillsItsPicture) {
    QtApp app;
    app.forms.Show("frmquarnixload");
    QWidget* splash = app.top("frmquarnixload");
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->size(), QSize(333, 227));
    EXPECT_EQ(app.widget("frmquarnixload", "imgquarnixlogo")->geometry(), QRect(0, 0, 333, 227));
}

TEST(ShellGui, MainWindowLooksAsLaidOut) {
    QtApp app;
    app.forms.Show("frmgtapick");
    QWidget* main = app.top("frmgtapick");
    EXPECT_EQ(main->windowTitle(), "Quarnix | GTA Pick");
    const auto flags = main->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "fixed border, not resizable";
    EXPECT_FALSE(main->windowIcon().isNull());
    // 10095 x 4095 twips of client area below the menu bar.
    auto* bar = main->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(main->height() - bar->height(), 273);
    EXPECT_EQ(main->width(), 673);
    for (const auto& [name, spoken] :
         {std::pair{"cmdgta3", "GTA3"}, std::pair{"cmdgtavc", "GTA VC"},
          std::pair{"cmdgtasa", "GTA SA"}}) {
        QWidget* button = app.widget("frmgtapick", name);
        EXPECT_EQ(button->accessibleName(), spoken);
        EXPECT_EQ(button->size(), QSize(209, 209));
    }
    QStringList titles;
    for (QAction* menu : bar->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, QStringList({"&About", "Mem&bers", "&Contact", "&Web Sites"}));
}

TEST(ShellGui, TabWalksTheMainWindowInItsOrder) {
    QtApp app;
    app.forms.Show("frmgtapick");
    EXPECT_EQ(app.focusName("frmgtapick"), "cmdgta3");
    for (const char* next : {"cmdgtavc", "cmdgtasa", "cmdexit", "cmdgta3"}) {
        app.key("frmgtapick", Qt::Key_Tab);
        EXPECT_EQ(app.focusName("frmgtapick"), next);
    }
}

TEST(ShellGui, GameButtonByKeyboardOpensThePickerAndTheMainWindowIsGone) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.key("frmgtapick", Qt::Key_Tab);  // to GTA VC
    app.key("frmgtapick", Qt::Key_Space);
    EXPECT_FALSE(app.forms.isLoaded("frmgtapick"));
    ASSERT_TRUE(app.forms.isVisible("frmgtavccodepick"));
    EXPECT_EQ(app.focusName("frmgtavccodepick"), "cmdgtavcweapon");
    EXPECT_EQ(app.top("frmgtavccodepick")->windowTitle(), "Quarnix | GTA VC Code Pick");
    QtApp::flush();
}

TEST(ShellGui, ExitGreysTheMainWindowAndEnterOnYesEnds) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.clickButton("frmgtapick", "cmdexit");
    ASSERT_TRUE(app.forms.isVisible("frmgtagpexit"));
    for (const char* control : {"cmdgta3", "cmdgtavc", "cmdgtasa", "cmdexit"}) {
        EXPECT_FALSE(app.widget("frmgtapick", control)->isEnabled()) << control;
    }
    auto* bar = app.top("frmgtapick")->findChild<QMenuBar*>();
    for (QAction* title : bar->actions()) {
        EXPECT_FALSE(title->isEnabled()) << title->text().toStdString();
    }
    EXPECT_TRUE(app.top("frmgtapick")->isEnabled()) << "the window itself stays usable";
    EXPECT_EQ(app.focusName("frmgtagpexit"), "cmdyes");
    app.key("frmgtagpexit", Qt::Key_Return);
    EXPECT_TRUE(app.forms.ended());
    EXPECT_EQ(app.quits, 1);
}

TEST(ShellGui, EnterOnANoFocusedConfirmationReturnsAndEscapeDoesNothing) {
    QtApp app;
    app.forms.Show("frmgta3codepick");
    app.clickButton("frmgta3codepick", "cmdgta3cpexit");
    ASSERT_TRUE(app.forms.isVisible("frmgta3cpexit"));
    EXPECT_EQ(app.focusName("frmgta3cpexit"), "cmdno");
    app.key("frmgta3cpexit", Qt::Key_Escape);
    EXPECT_TRUE(app.forms.isVisible("frmgta3cpexit"));
    EXPECT_FALSE(app.widget("frmgta3codepick", "cmdgta3weapon")->isEnabled());
    app.key("frmgta3cpexit", Qt::Key_Enter);
    EXPECT_FALSE(app.forms.isLoaded("frmgta3cpexit"));
    EXPECT_FALSE(app.forms.ended());
    for (const char* control :
         {"cmdgta3weapon", "cmdgta3item", "cmdgta3vehicle", "cmdgta3cpback", "cmdgta3cpexit"}) {
        EXPECT_TRUE(app.widget("frmgta3codepick", control)->isEnabled()) << control;
    }
    QtApp::flush();
}

TEST(ShellGui, TheKeyboardGoesBackToTheGreyedWindowWhenItsDialogCloses) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.key("frmgtapick", Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), app.widget("frmgtapick", "cmdexit"));
    app.key("frmgtapick", Qt::Key_Space);
    ASSERT_TRUE(app.forms.isVisible("frmgtagpexit"));
    app.key("frmgtagpexit", Qt::Key_Tab);
    app.key("frmgtagpexit", Qt::Key_Return);
    ASSERT_FALSE(app.forms.isLoaded("frmgtagpexit"));
    // Nothing but the program itself hands the keyboard back here: there is no window manager.
    ASSERT_TRUE(app.waitActive("frmgtapick"));
    EXPECT_EQ(QApplication::focusWidget(), app.widget("frmgtapick", "cmdexit"));
    // And the user can go on from the keyboard: Space on Exit asks again.
    app.key("frmgtapick", Qt::Key_Space);
    EXPECT_TRUE(app.forms.isVisible("frmgtagpexit"));

    app.forms.Show("frmgtasacodepick");
    app.clickButton("frmgtasacodepick", "cmdgtasavehicle");
    app.key("frmsanotavailable", Qt::Key_Return);
    ASSERT_FALSE(app.forms.isLoaded("frmsanotavailable"));
    ASSERT_TRUE(app.waitActive("frmgtasacodepick"));
    EXPECT_EQ(QApplication::focusWidget(), app.widget("frmgtasacodepick", "cmdgtasavehicle"));
    QtApp::flush();
}

TEST(ShellGui, ConfirmationButtonsAreNeitherDefaultNorCancel) {
    QtApp app;
    app.forms.Show("frmgta3weaponfinishedexit");
    auto* yes = app.as<QPushButton>("frmgta3weaponfinishedexit", "cmdyes");
    auto* no = app.as<QPushButton>("frmgta3weaponfinishedexit", "cmdno");
    EXPECT_FALSE(yes->isDefault() || yes->autoDefault());
    EXPECT_FALSE(no->isDefault() || no->autoDefault());
    EXPECT_EQ(yes->text(), "&Yes");
    EXPECT_EQ(app.top("frmgta3weaponfinishedexit")->size(), QSize(214, 65));
}

TEST(ShellGui, VehicleButtonShowsTheNoticeAndItsButtonRestoresThePicker) {
    QtApp app;
    app.forms.Show("frmgtasacodepick");
    app.clickButton("frmgtasacodepick", "cmdgtasavehicle");
    ASSERT_TRUE(app.forms.isVisible("frmsanotavailable"));
    EXPECT_EQ(app.top("frmsanotavailable")->windowTitle(), "Quarnix | Function Not Available");
    EXPECT_FALSE(app.widget("frmgtasacodepick", "cmdgtasavehicle")->isEnabled());
    EXPECT_EQ(app.focusName("frmsanotavailable"), "cmdclosewindow");
    app.key("frmsanotavailable", Qt::Key_Space);
    EXPECT_FALSE(app.forms.isLoaded("frmsanotavailable"));
    EXPECT_TRUE(app.widget("frmgtasacodepick", "cmdgtasavehicle")->isEnabled());
    EXPECT_TRUE(app.widget("frmgtasacodepick", "cmdexit")->isEnabled());
    QtApp::flush();
}

TEST(ShellGui, CloseBoxUnloadsTheWindowAndTheLastOneEndsTheProgram) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.clickButton("frmgtapick", "cmdexit");
    app.top("frmgtagpexit")->close();
    EXPECT_FALSE(app.forms.isLoaded("frmgtagpexit"));
    EXPECT_FALSE(app.widget("frmgtapick", "cmdgta3")->isEnabled());
    EXPECT_EQ(app.quits, 0);
    app.top("frmgtapick")->close();
    EXPECT_TRUE(app.forms.ended());
    EXPECT_EQ(app.quits, 1);
}

TEST(ShellGui, WebSiteShortcutHandsTheAddressOverAndLeavesTheMainWindowEnabled) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.key("frmgtapick", Qt::Key_K, Qt::ControlModifier);
    app.key("frmgtapick", Qt::Key_F, Qt::ControlModifier);
    app.key("frmgtapick", Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(app.openedUrls.size(), 3U);
    EXPECT_EQ(app.openedUrls[0], QUrl("https://vorlak.example.com"));
    EXPECT_EQ(app.openedUrls[1], QUrl("https://gtaforums.com"));
    EXPECT_EQ(app.openedUrls[2], QUrl("https://gtauniverse.example.org"));
    EXPECT_TRUE(app.widget("frmgtapick", "cmdgta3")->isEnabled());
    EXPECT_EQ(app.forms.visibleWindows(), std::vector<std::string>{"frmgtapick"});
}

TEST(ShellGui, ShortcutsOfAGreyedMenuDoNothing) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.clickButton("frmgtapick", "cmdexit");
    // The confirmation has the keyboard; the user clicks the greyed main window's title bar,
    // which stays usable, and tries its shortcuts there.
    app.activate("frmgtapick");
    app.key("frmgtapick", Qt::Key_K, Qt::ControlModifier);
    app.key("frmgtapick", Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(app.openedUrls.empty());
    EXPECT_FALSE(app.forms.isLoaded("frmaboutprogram"));
}

TEST(ShellGui, AGreyedMenuCannotBeUsedThroughAssistiveTechnologyEither) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.clickButton("frmgtapick", "cmdexit");
    // A screen reader presses menu items through the accessibility interface, whatever the
    // state of the menu's title.
    auto* menu = app.top("frmgtapick")->findChild<QMenu*>("mnuabout");
    ASSERT_NE(menu, nullptr);
    QAccessibleInterface* accessibleMenu = QAccessible::queryAccessibleInterface(menu);
    ASSERT_NE(accessibleMenu, nullptr);
    int pressed = 0;
    for (int i = 0; i < accessibleMenu->childCount(); ++i) {
        QAccessibleActionInterface* item = accessibleMenu->child(i)->actionInterface();
        if (item != nullptr &&
            item->actionNames().contains(QAccessibleActionInterface::pressAction())) {
            item->doAction(QAccessibleActionInterface::pressAction());
            ++pressed;
        }
    }
    EXPECT_GT(pressed, 0);
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmaboutprogram"));
    EXPECT_TRUE(app.openedUrls.empty());
}

TEST(ShellGui, MenuShortcutsOpenTheirWindowsOverAGreyedMainWindow) {
    const std::vector<std::pair<Qt::Key, std::string>> shortcuts = {
        {Qt::Key_P, "frmaboutprogram"},
        {Qt::Key_V, "frmaboutversion"},
        {Qt::Key_O, "frmaboutcopyright"},
        {Qt::Key_T, "frmthanks"},
        {Qt::Key_E, "frmsendemail"}};
    for (const auto& [key, window] : shortcuts) {
        QtApp app;
        app.forms.Show("frmgtapick");
        app.key("frmgtapick", key, Qt::ControlModifier);
        EXPECT_TRUE(app.forms.isVisible(window)) << window;
        EXPECT_FALSE(app.widget("frmgtapick", "cmdgta3")->isEnabled()) << window;
    }
}

}  // namespace

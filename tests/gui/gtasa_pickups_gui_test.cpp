// The GTA SA weapon and item creators on the real Qt widgets, driven from the keyboard.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <string>
#include <utility>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::QtApp;
using testsupport::spaced;

struct GtaSaPickupsGui : ::testing::Test {
    QtApp app;

    // Tab to the next control, check it is the expected one and type into it.
    void tabAndType(const std::string& window, const std::string& control, const QString& text) {
        app.key(window, Qt::Key_Tab);
        ASSERT_EQ(app.focusName(window), control);
        app.typeHere(window, text);
    }
    std::string resultText(const std::string& window, const std::string& box) {
        return app.as<QPlainTextEdit>(window, box)->toPlainText().toStdString();
    }
};

TEST_F(GtaSaPickupsGui, WeaponLineFromTheKeyboard) {
    app.forms.Show("frmgtasacodepick");
    ASSERT_EQ(app.focusName("frmgtasacodepick"), "cmdgtasaweapon");
    app.key("frmgtasacodepick", Qt::Key_Space);
    QtApp::flush();
    ASSERT_TRUE(app.forms.isVisible("frmgtasaweapon"));
    EXPECT_EQ(app.top("frmgtasaweapon")->windowTitle(),
              "Quarnix| GTA SA Weapon Spawn Point Creator");
    ASSERT_EQ(app.focusName("frmgtasaweapon"), "lstgtasaweapon");

    auto* list = app.as<QListWidget>("frmgtasaweapon", "lstgtasaweapon");
    EXPECT_LT(list->fontMetrics().horizontalAdvance("Heat-Seeking Rocket Launcher"),
              list->viewport()->width())
        << "the longest caption is readable in full";

    // The first Down selects "9mm", nineteen more reach "M4".
    for (int i = 0; i < 20; ++i) {
        app.key("frmgtasaweapon", Qt::Key_Down);
    }
    EXPECT_EQ(app.forms["frmgtasaweapon"].ListIndex("lstgtasaweapon"), 19);
    tabAndType("frmgtasaweapon", "txtx", "249.5");
    tabAndType("frmgtasaweapon", "txty", "-166.5");
    tabAndType("frmgtasaweapon", "txtz", "13.3");
    tabAndType("frmgtasaweapon", "txtcodename", "m4gun");
    tabAndType("frmgtasaweapon", "txtammo", "500");

    app.key("frmgtasaweapon", Qt::Key_Tab);
    ASSERT_EQ(app.focusName("frmgtasaweapon"), "cmdgencode");
    app.key("frmgtasaweapon", Qt::Key_Space);
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmgtasaweapon"));
    ASSERT_TRUE(app.forms.isVisible("frmgtasaweaponfinished"));
    EXPECT_EQ(app.focusName("frmgtasaweaponfinished"), "txtfinishedcode");
    EXPECT_EQ(resultText("frmgtasaweaponfinished", "txtfinishedcode"),
              spaced("032B:·$m4gun·=·create_weapon_pickup·#M4··15·ammo··500·at·249.5·-166.5·13.3"));

    app.clickButton("frmgtasaweaponfinished", "cmdexit");
    EXPECT_EQ(app.focusName("frmgtasaweaponfinishedexit"), "cmdyes");
    app.key("frmgtasaweaponfinishedexit", Qt::Key_Return);
    EXPECT_TRUE(app.forms.ended());
    EXPECT_EQ(app.quits, 1);
}

TEST_F(GtaSaPickupsGui, JetpackLineFromTheKeyboard) {
    app.forms.Show("frmgtasacodepick");
    app.key("frmgtasacodepick", Qt::Key_Tab);
    ASSERT_EQ(app.focusName("frmgtasacodepick"), "cmdgtasaitem");
    app.key("frmgtasacodepick", Qt::Key_Space);
    QtApp::flush();
    ASSERT_TRUE(app.forms.isVisible("frmgtasaitem"));
    ASSERT_EQ(app.focusName("frmgtasaitem"), "lstgtasaitem");

    auto* list = app.as<QListWidget>("frmgtasaitem", "lstgtasaitem");
    EXPECT_LE(list->visualItemRect(list->item(4)).bottom(), list->viewport()->height())
        << "all five entries show without scrolling";
    app.key("frmgtasaitem", Qt::Key_End);
    EXPECT_EQ(app.forms["frmgtasaitem"].ListIndex("lstgtasaitem"), 4);
    tabAndType("frmgtasaitem", "txtx", "5");
    tabAndType("frmgtasaitem", "txty", "6");
    tabAndType("frmgtasaitem", "txtz", "7");
    tabAndType("frmgtasaitem", "txtcodename", "jet");

    app.key("frmgtasaitem", Qt::Key_Tab);
    ASSERT_EQ(app.focusName("frmgtasaitem"), "cmdgencode");
    app.key("frmgtasaitem", Qt::Key_Return);
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmgtasaitem"));
    ASSERT_TRUE(app.forms.isVisible("frmgtasaitemfinished"));
    EXPECT_EQ(app.focusName("frmgtasaitemfinished"), "cmdexit");
    EXPECT_EQ(resultText("frmgtasaitemfinished", "txtgtasaitemfinishedcode"),
              spaced("032B:·$jet·=·create_weapon_pickup·#JETPACK··15·ammo·0·at··5·6·7"));

    app.key("frmgtasaitemfinished", Qt::Key_Space);
    ASSERT_TRUE(app.forms.isVisible("frmgtasaitemfinishedexit"));
    EXPECT_EQ(app.focusName("frmgtasaitemfinishedexit"), "cmdyes");
    app.clickButton("frmgtasaitemfinishedexit", "cmdno");
    QtApp::flush();
    EXPECT_TRUE(app.widget("frmgtasaitemfinished", "txtgtasaitemfinishedcode")->isEnabled());
}

TEST_F(GtaSaPickupsGui, CreatorConfirmationsOpenOnNoAndEnterReturns) {
    for (const auto& [button, creator] : {std::pair{"cmdgtasaweapon", "frmgtasaweapon"},
                                          std::pair{"cmdgtasaitem", "frmgtasaitem"}}) {
        SCOPED_TRACE(creator);
        const std::string confirmation = std::string(creator) + "exit";
        app.forms.Show("frmgtasacodepick");
        app.clickButton("frmgtasacodepick", button);
        QtApp::flush();
        app.typeInto(creator, "txtcodename", "keep");
        app.clickButton(creator, "cmdexit");
        ASSERT_TRUE(app.forms.isVisible(confirmation));
        EXPECT_FALSE(app.widget(creator, "txtcodename")->isEnabled());
        EXPECT_EQ(app.focusName(confirmation), "cmdno");
        app.key(confirmation, Qt::Key_Return);
        QtApp::flush();
        EXPECT_FALSE(app.forms.isLoaded(confirmation));
        EXPECT_TRUE(app.widget(creator, "txtcodename")->isEnabled());
        EXPECT_EQ(app.forms[creator].Text("txtcodename"), "keep");
        app.clickButton(creator, "cmdbacktogtapick");
        QtApp::flush();
    }
}

}  // namespace

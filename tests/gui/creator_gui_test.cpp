// The shared creator machinery on the real Qt widgets, driven from the keyboard through the
// GTA3 weapon and item windows: picker to creator, list and boxes, Generate, result window,
// the exit confirmations and the way back.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::QtApp;
using testsupport::spaced;

TEST(CreatorGui, WeaponLineFromPickerToResultByKeyboardAlone) {
    QtApp app;
    app.forms.Show("frmgta3codepick");
    ASSERT_EQ(app.focusName("frmgta3codepick"), "cmdgta3weapon");
    app.key("frmgta3codepick", Qt::Key_Space);
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmgta3codepick"));
    ASSERT_TRUE(app.forms.isVisible("frmgta3weapon"));
    EXPECT_EQ(app.top("frmgta3weapon")->windowTitle(), "Quarnix | GTA3 Weapon Spawn Point Creator");
    EXPECT_EQ(app.focusName("frmgta3weapon"), "lstgta3weapon");
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), -1);

    // The first arrow press selects the top entry, the second moves on to "Handgun".
    app.key("frmgta3weapon", Qt::Key_Down);
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), 0);
    app.key("frmgta3weapon", Qt::Key_Down);
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), 1);

    const std::pair<const char*, QString> boxes[] = {
        {"txtgta3weaponx", "100.5"},    {"txtgta3weapony", "-20.25"},
        {"txtgta3weaponz", "10.00001"},  // the eighth character is refused
        {"txtgta3weaponname", "w1"},    {"txtgta3weaponammo", "30"},
    };
    for (const auto& [box, text] : boxes) {
        app.key("frmgta3weapon", Qt::Key_Tab);
        ASSERT_EQ(app.focusName("frmgta3weapon"), box);
        app.typeHere("frmgta3weapon", text);
    }
    EXPECT_EQ(app.forms["frmgta3weapon"].Text("txtgta3weaponz"), "10.0000");

    app.key("frmgta3weapon", Qt::Key_Tab);
    ASSERT_EQ(app.focusName("frmgta3weapon"), "cmdgta3weapongeneratecode");
    app.key("frmgta3weapon", Qt::Key_Space);
    QtApp::flush();

    EXPECT_FALSE(app.forms.isLoaded("frmgta3weapon"));
    ASSERT_TRUE(app.forms.isVisible("frmgta3weaponcode"));
    EXPECT_EQ(app.forms["frmgta3weaponcode"].Text("txtgta3weaponfinishedcode"),
              spaced("032B:·$w1·=·create_weapon_pickup·#COLT45··14·ammo··30·at·100.5·-20.25·"
                     "10.0000"));
    EXPECT_EQ(app.focusName("frmgta3weaponcode"), "txtgta3weaponfinishedcode");
}

TEST(CreatorGui, ItemGenerateByEnterWithNothingSelectedOpensAnEmptyResult) {
    QtApp app;
    app.forms.Show("frmgta3codepick");
    app.key("frmgta3codepick", Qt::Key_Tab);
    ASSERT_EQ(app.focusName("frmgta3codepick"), "cmdgta3item");
    app.key("frmgta3codepick", Qt::Key_Return);
    QtApp::flush();
    ASSERT_TRUE(app.forms.isVisible("frmgta3item"));
    EXPECT_EQ(app.focusName("frmgta3item"), "lstitem");

    for (const char* next :
         {"txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz", "txtgta3itemcodename"}) {
        app.key("frmgta3item", Qt::Key_Tab);
        ASSERT_EQ(app.focusName("frmgta3item"), next);
        app.typeHere("frmgta3item", "5");
    }
    app.key("frmgta3item", Qt::Key_Tab);
    ASSERT_EQ(app.focusName("frmgta3item"), "cmdgta3itemgencode");
    app.key("frmgta3item", Qt::Key_Enter);
    QtApp::flush();

    EXPECT_FALSE(app.forms.isLoaded("frmgta3item"));
    ASSERT_TRUE(app.forms.isVisible("frmgta3itemfinished"));
    EXPECT_EQ(app.forms["frmgta3itemfinished"].Text("txtgta3itemfinishedcode"), "");
    EXPECT_EQ(app.focusName("frmgta3itemfinished"), "cmdexit");
}

TEST(CreatorGui, ExitThenNoKeepsTypedValuesAndSelection) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    app.key("frmgta3weapon", Qt::Key_Down);
    app.key("frmgta3weapon", Qt::Key_Down);
    app.key("frmgta3weapon", Qt::Key_Down);
    app.typeInto("frmgta3weapon", "txtgta3weaponname", "keep me");
    app.typeInto("frmgta3weapon", "txtgta3weapony", "7");
    app.clickButton("frmgta3weapon", "cmdexit");

    ASSERT_TRUE(app.forms.isVisible("frmgta3weaponexit"));
    EXPECT_EQ(app.focusName("frmgta3weaponexit"), "cmdno");
    for (const char* control :
         {"lstgta3weapon", "framegta3coord", "txtgta3weaponname", "txtgta3weaponammo",
          "cmdgta3weapongeneratecode", "cmdexit", "lblammo", "lblcodename"}) {
        EXPECT_FALSE(app.widget("frmgta3weapon", control)->isEnabled()) << control;
    }
    EXPECT_TRUE(app.top("frmgta3weapon")->isVisible());

    app.key("frmgta3weaponexit", Qt::Key_Return);  // on "No"
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmgta3weaponexit"));
    EXPECT_FALSE(app.forms.ended());
    for (const char* control :
         {"lstgta3weapon", "framegta3coord", "txtgta3weaponx", "txtgta3weapony", "txtgta3weaponz",
          "txtgta3weaponname", "txtgta3weaponammo", "cmdgta3weapongeneratecode", "cmdbackgta3cp",
          "cmdbackgtapick", "cmdexit", "lblx", "lbly", "lblz", "lblcodename", "lblammo"}) {
        EXPECT_TRUE(app.widget("frmgta3weapon", control)->isEnabled()) << control;
    }
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), 2);
    EXPECT_EQ(app.forms["frmgta3weapon"].Text("txtgta3weaponname"), "keep me");
    EXPECT_EQ(app.forms["frmgta3weapon"].Text("txtgta3weapony"), "7");
    // The list takes the keyboard again.
    app.widget("frmgta3weapon", "lstgta3weapon")->setFocus();
    app.key("frmgta3weapon", Qt::Key_Down);
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), 3);
}

TEST(CreatorGui, BackToTheCreatorOpensItEmpty) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    app.key("frmgta3weapon", Qt::Key_Down);
    app.typeInto("frmgta3weapon", "txtgta3weaponx", "1");
    app.clickButton("frmgta3weapon", "cmdgta3weapongeneratecode");
    QtApp::flush();
    ASSERT_TRUE(app.forms.isVisible("frmgta3weaponcode"));

    app.key("frmgta3weaponcode", Qt::Key_Tab);  // the box passes Tab on
    ASSERT_EQ(app.focusName("frmgta3weaponcode"), "cmdbackgta3weapon");
    app.key("frmgta3weaponcode", Qt::Key_Space);
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmgta3weaponcode"));
    ASSERT_TRUE(app.forms.isVisible("frmgta3weapon"));
    EXPECT_EQ(app.forms["frmgta3weapon"].ListIndex("lstgta3weapon"), -1);
    EXPECT_EQ(app.forms["frmgta3weapon"].Text("txtgta3weaponx"), "");
    EXPECT_EQ(app.focusName("frmgta3weapon"), "lstgta3weapon");
}

TEST(CreatorGui, ResultWindowsOpenWithTheFocusWhereTheirOrderStartsAndTabWalksIt) {
    QtApp app;
    const std::pair<const char*, std::vector<std::string>> windows[] = {
        {"frmgta3weaponcode",
         {"txtgta3weaponfinishedcode", "cmdbackgta3weapon", "cmdgta3codepickback", "cmdbackgtapick",
          "cmdexit"}},
        {"frmgta3itemfinished",
         {"cmdexit", "cmdbackgtapick", "cmdgta3codepickback", "cmdbackgta3item",
          "txtgta3itemfinishedcode"}},
    };
    for (const auto& [window, order] : windows) {
        app.forms.Show(window);
        EXPECT_EQ(app.focusName(window), order.front()) << window;
        for (std::size_t i = 1; i <= order.size(); ++i) {
            app.key(window, Qt::Key_Tab);
            EXPECT_EQ(app.focusName(window), order[i % order.size()]) << window;
        }
    }
}

TEST(CreatorGui, ConfirmationsOpenOnTheirOwnButtonAndAccessKeysAct) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    app.clickButton("frmgta3weapon", "cmdexit");
    EXPECT_EQ(app.focusName("frmgta3weaponexit"), "cmdno");
    app.key("frmgta3weaponexit", Qt::Key_Return);
    QtApp::flush();

    app.forms.Show("frmgta3weaponcode");
    app.clickButton("frmgta3weaponcode", "cmdexit");
    ASSERT_TRUE(app.forms.isVisible("frmgta3weaponfinishedexit"));
    EXPECT_EQ(app.focusName("frmgta3weaponfinishedexit"), "cmdyes");
    EXPECT_EQ(app.as<QPushButton>("frmgta3weaponfinishedexit", "cmdyes")->text(), "&Yes");
    EXPECT_EQ(app.as<QPushButton>("frmgta3weaponfinishedexit", "cmdno")->text(), "&No");
    EXPECT_FALSE(app.widget("frmgta3weaponcode", "txtgta3weaponfinishedcode")->isEnabled());
    // Alt+N answers "No" although the focus is on "Yes".
    // Access keys act only in the active window, and a button pressed by its access key
    // clicks a moment later, as with the mouse.
    QtApp::flush();
    app.key("frmgta3weaponfinishedexit", Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !app.forms.isLoaded("frmgta3weaponfinishedexit"); }, 2000));
    QtApp::flush();
    EXPECT_FALSE(app.forms.ended());
    EXPECT_FALSE(app.forms.isLoaded("frmgta3weaponfinishedexit"));
    EXPECT_TRUE(app.widget("frmgta3weaponcode", "txtgta3weaponfinishedcode")->isEnabled());
    EXPECT_TRUE(app.widget("frmgta3weaponcode", "cmdexit")->isEnabled());

    app.clickButton("frmgta3weaponcode", "cmdexit");
    QtApp::flush();
    app.key("frmgta3weaponfinishedexit", Qt::Key_Y, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.forms.ended(); }, 2000));
    EXPECT_TRUE(app.forms.ended());
    EXPECT_EQ(app.quits, 1);
}

}  // namespace

// The GTA VC weapon and item creators on the real widgets, driven from the keyboard.
#include <gtest/gtest.h>

#include <string>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::spaced;

struct GtaVcPickupsGui : ::testing::Test {
    testsupport::QtApp app;

    void openFromPicker(const std::string& pickerButton, const std::string& creator) {
        app.forms.Show("frmgtavccodepick");
        app.clickButton("frmgtavccodepick", pickerButton);
        testsupport::QtApp::flush();
        ASSERT_TRUE(app.forms.isVisible(creator));
        ASSERT_FALSE(app.forms.isLoaded("frmgtavccodepick"));
    }
    void press(const std::string& window, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            app.key(window, key);
        }
    }
    // Moves on with Tab and types into the control that then has the focus.
    void tabAndType(const std::string& window, const std::string& expectedControl,
                    const QString& text) {
        press(window, Qt::Key_Tab);
        ASSERT_EQ(app.focusName(window), expectedControl);
        app.typeHere(window, text);
    }
};

TEST_F(GtaVcPickupsGui, WeaponLineFromTheKeyboard) {
    openFromPicker("cmdgtavcweapon", "frmgtavcweapon");
    const std::string w = "frmgtavcweapon";
    ASSERT_EQ(app.focusName(w), "lstgtavcweapon");
    // The first Down selects "Bat"; five more reach "Colt M4".
    press(w, Qt::Key_Down, 6);
    EXPECT_EQ(app.forms[w].ListIndex("lstgtavcweapon"), 5);

    tabAndType(w, "txtx", "-1234.5678");  // the box keeps seven characters
    tabAndType(w, "txty", "20.5");
    tabAndType(w, "txtz", "10");
    tabAndType(w, "txtcodename", "m4");
    tabAndType(w, "txtammo", "300");
    press(w, Qt::Key_Tab);
    ASSERT_EQ(app.focusName(w), "cmdgencode");
    press(w, Qt::Key_Return);
    testsupport::QtApp::flush();

    const std::string r = "frmgtavcweaponfinished";
    ASSERT_TRUE(app.forms.isVisible(r));
    EXPECT_FALSE(app.forms.isLoaded(w));
    EXPECT_EQ(app.forms[r].Text("txtfinishedcode"),
              spaced("032B:·$m4·=·create_weapon_pickup·#M4··15·ammo··300·at·-1234.5·20.5·10"));
    EXPECT_EQ(app.focusName(r), "cmdexit");
}

TEST_F(GtaVcPickupsGui, ItemLineFromTheKeyboard) {
    openFromPicker("cmdgtavcitem", "frmgtavcitem");
    const std::string w = "frmgtavcitem";
    ASSERT_EQ(app.focusName(w), "lstgtavcitem");
    press(w, Qt::Key_Down, 2);  // "Body Armour"
    EXPECT_EQ(app.forms[w].ListIndex("lstgtavcitem"), 1);

    tabAndType(w, "txtx", "1");
    tabAndType(w, "txty", "2");
    tabAndType(w, "txtz", "3");
    tabAndType(w, "txtcodename", QString::fromUtf8("Rüstung"));
    press(w, Qt::Key_Tab);
    ASSERT_EQ(app.focusName(w), "cmdgencode");
    press(w, Qt::Key_Space);
    testsupport::QtApp::flush();

    const std::string r = "frmgtavcitemfinished";
    ASSERT_TRUE(app.forms.isVisible(r));
    EXPECT_FALSE(app.forms.isLoaded(w));
    EXPECT_EQ(app.forms[r].Text("txtgtavcitemfinishedcode"),
              spaced("0213:·$Rüstung·=·create_pickup·#BODYARMOUR·type··15·at·1·2·3"));
    EXPECT_EQ(app.focusName(r), "txtgtavcitemfinishedcode");
}

TEST_F(GtaVcPickupsGui, ConfirmationsOpenOnTheirButton) {
    struct Case {
        const char* window;
        const char* confirmation;
        const char* focus;
    };
    const Case cases[] = {
        {"frmgtavcweapon", "frmgtavcweaponexit", "cmdyes"},
        {"frmgtavcweaponfinished", "frmgtavcweaponfinishedexit", "cmdno"},
        {"frmgtavcitem", "frmgtavcitemexit", "cmdyes"},
        {"frmgtavcitemfinished", "frmgtavcitemfinishedexit", "cmdyes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        app.forms.Show(c.window);
        app.clickButton(c.window, "cmdexit");
        ASSERT_TRUE(app.forms.isVisible(c.confirmation));
        EXPECT_EQ(app.focusName(c.confirmation), c.focus);
        EXPECT_FALSE(app.widget(c.window, "cmdexit")->isEnabled());
        app.clickButton(c.confirmation, "cmdno");
        testsupport::QtApp::flush();
        EXPECT_FALSE(app.forms.isLoaded(c.confirmation));
        EXPECT_TRUE(app.widget(c.window, "cmdexit")->isEnabled());
    }
    EXPECT_FALSE(app.forms.ended());

    // Enter at once: "No" on the weapon result window's confirmation gives the window back,
    // "Yes" on the item creator's ends the program.
    app.clickButton("frmgtavcweaponfinished", "cmdexit");
    press("frmgtavcweaponfinishedexit", Qt::Key_Return);
    testsupport::QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmgtavcweaponfinishedexit"));
    EXPECT_TRUE(app.widget("frmgtavcweaponfinished", "cmdexit")->isEnabled());

    app.clickButton("frmgtavcitem", "cmdexit");
    press("frmgtavcitemexit", Qt::Key_Return);
    EXPECT_TRUE(app.forms.ended());
    EXPECT_EQ(app.quits, 1);
}

}  // namespace

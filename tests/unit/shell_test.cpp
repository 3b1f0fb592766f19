// Start-up, navigation, confirmations and greying on the in-memory backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/basenabledisable.h"
#include "shell/confirmations.h"
#include "shell/main_window.h"
#include "shell/navigation.h"
#include "support/memory_app.h"

namespace {

using testsupport::MemoryApp;

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(Splash, StaysTwoSecondsThenGivesWayToTheMainWindow) {
    MemoryApp app;
    app.backend.setDoEventsStep(0.25);
    const double start = app.forms.Timer();
    shell::frmquarnixload_Form_Load(app.forms);
    // The test comes before every DoEvents: 0.25 s steps need eight of them to reach 2 s.
    EXPECT_EQ(app.backend.doEventsCalls(), 8);
    EXPECT_GE(app.forms.Timer() - start, 2.0);
    EXPECT_FALSE(app.forms.isLoaded("frmquarnixload"));
    EXPECT_TRUE(app.forms.isVisible("frmgtapick"));
    EXPECT_EQ(app.forms["frmgtapick"].focusedControl(), "cmdgta3");
    EXPECT_FALSE(app.forms.ended());
}

TEST(Splash, AClockStartingLateInTheDayStillWaitsTwoSeconds) {
    MemoryApp app;
    app.backend.setNow(86399.9);
    app.backend.setDoEventsStep(0.05);
    shell::frmquarnixload_Form_Load(app.forms);
    EXPECT_GE(app.backend.doEventsCalls(), 40);
    EXPECT_TRUE(app.forms.isVisible("frmgtapick"));
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { app.forms.Show("frmgtapick"); }
    MemoryApp app;
};

TEST(Navigation, GameButtonsOpenTheirPickerAndUnloadTheMainWindow) {
    const std::vector<std::pair<std::string, std::string>> buttons = {
        {"cmdgta3", "frmgta3codepick"},
        {"cmdgtavc", "frmgtavccodepick"},
        {"cmdgtasa", "frmgtasacodepick"},
    };
    for (const auto& [button, picker] : buttons) {
        MemoryApp app;
        app.forms.Show("frmgtapick");
        app.click("frmgtapick", button);
        EXPECT_TRUE(app.forms.isVisible(picker)) << button;
        EXPECT_FALSE(app.forms.isLoaded("frmgtapick")) << button;
        EXPECT_NE(app.forms[picker].focusedControl().find("weapon"), std::string::npos)
            << picker << " opens with the focus on its weapon button";
    }
}

TEST_F(ShellTest, PickerBackButtonsLeadToAFreshMainWindow) {
    const std::vector<std::pair<std::string, std::string>> backs = {
        {"frmgta3codepick", "cmdgta3cpback"},
        {"frmgtavccodepick", "cmdgtavcback"},
        {"frmgtasacodepick", "cmdbacktogtapick"},
    };
    for (const auto& [picker, back] : backs) {
        // Leave a greyed main window behind and unload it: the one the back button shows
        // must be created afresh, not that one.
        app.click("frmgtapick", "cmdexit");
        app.forms.Show(picker);
        app.forms.Unload("frmgtapick");
        app.forms.Unload("frmgtagpexit");
        app.click(picker, back);
        EXPECT_FALSE(app.forms.isLoaded(picker));
        ASSERT_TRUE(app.forms.isVisible("frmgtapick"));
        EXPECT_EQ(app.forms["frmgtapick"].focusedControl(), "cmdgta3");
        for (const char* control : {"cmdgta3", "cmdexit", "mnuabout", "mnuweb"}) {
            EXPECT_TRUE(app.forms["frmgtapick"].Enabled(control)) << control;
        }
    }
}

TEST_F(ShellTest, MainWindowExitGreysExactlyItsListAndNoRestoresIt) {
    app.click("frmgtapick", "cmdexit");
    ASSERT_TRUE(app.forms.isVisible("frmgtagpexit"));
    EXPECT_EQ(app.forms["frmgtagpexit"].focusedControl(), "cmdyes");
    auto& main = app.forms["frmgtapick"];
    for (const char* control : {"cmdgta3", "cmdgtavc", "cmdgtasa", "cmdexit", "mnuabout",
                                "mnuthanks", "mnucontact", "mnuweb"}) {
        EXPECT_FALSE(main.Enabled(control)) << control;
    }
    // Only the titles are greyed; the items keep their own state.
    for (const char* item : {"mnuprogram", "mnuversion", "mnucopyright", "mnuthanks2", "mnuemail",
                             "mnuvorlak", "mnugtaf", "mnugtau"}) {
        EXPECT_TRUE(main.Enabled(item)) << item;
    }
    EXPECT_TRUE(main.visible());

    app.click("frmgtagpexit", "cmdno");
    EXPECT_FALSE(app.forms.isLoaded("frmgtagpexit"));
    for (const char* control : {"cmdgta3", "cmdgtavc", "cmdgtasa", "cmdexit", "mnuabout",
                                "mnuthanks", "mnucontact", "mnuweb"}) {
        EXPECT_TRUE(app.forms["frmgtapick"].Enabled(control)) << control;
    }
    EXPECT_FALSE(app.forms.ended());
}

TEST_F(ShellTest, YesEndsTheProgramAtOnce) {
    app.click("frmgtapick", "cmdexit");
    app.click("frmgtagpexit", "cmdyes");
    EXPECT_TRUE(app.forms.ended());
    EXPECT_TRUE(app.forms.loadedWindows().empty());
    EXPECT_EQ(app.backend.quitCalls(), 1);
    // Nothing runs after the end.
    app.click("frmgtapick", "cmdgta3");
    EXPECT_TRUE(app.forms.loadedWindows().empty());
}

TEST_F(ShellTest, EveryConfirmationOpensWithTheFocusOnItsOwnButton) {
    const std::set<std::string> focusOnYes = {"frmgtagpexit",
                                              "frmemailexit",
                                              "frmgta3weaponfinishedexit",
                                              "frmgta3itemexit",
                                              "frmgta3itemfinishedexit",
                                              "frmgta3vehicleexit",
                                              "frmgtavcweaponexit",
                                              "frmgtavcitemexit",
                                              "frmgtavcitemfinishedexit",
                                              "frmgtasaweaponfinishedexit",
                                              "frmgtasaitemfinishedexit",
                                              "frmgtasavehicleexit",
                                              "frmgtasavehiclefinishedexit"};
    int confirmations = 0;
    for (const std::string& name : app.forms.definedWindows()) {
        const auto& layout = app.forms.definition(name).layout;
        if (layout.caption != "Quarnix | Exit?") {
            continue;
        }
        ++confirmations;
        app.forms.Show(name);
        EXPECT_EQ(app.forms[name].focusedControl(), focusOnYes.count(name) ? "cmdyes" : "cmdno")
            << name;
        EXPECT_EQ(layout.find("lblexit")->caption, "Are You Sure You Want To Exit?");
        const bool accessKeys = name == "frmgta3weaponfinishedexit";
        EXPECT_EQ(layout.find("cmdyes")->caption, accessKeys ? "&Yes" : "Yes") << name;
        EXPECT_EQ(layout.find("cmdno")->caption, accessKeys ? "&No" : "No") << name;
        app.forms.Unload(name);
    }
    EXPECT_EQ(confirmations, 23);
}

TEST_F(ShellTest, ConfirmationSizesFollowTheirWindow) {
    auto size = [&](const std::string& name) {
        const auto& l = app.forms.definition(name).layout;
        return std::make_pair(l.width, l.height);
    };
    EXPECT_EQ(size("frmgtagpexit"), std::make_pair(3240, 975));
    EXPECT_EQ(size("frmgtavcweaponexit"), std::make_pair(3180, 945));
    EXPECT_EQ(size("frmgtavcvehiclefinishedexit"), std::make_pair(3180, 945));
    EXPECT_EQ(size("frmgta3cpexit"), std::make_pair(3210, 975));
    EXPECT_EQ(size("frmemailexit"), std::make_pair(3210, 975));
}

TEST_F(ShellTest, VehicleButtonShowsTheNoticeOverAGreyedPicker) {
    app.click("frmgtapick", "cmdgtavc");
    app.click("frmgtavccodepick", "cmdgtavcvehicle");
    ASSERT_TRUE(app.forms.isVisible("frmvcnotavailable"));
    EXPECT_EQ(app.forms["frmvcnotavailable"].focusedControl(), "cmdclosewindow");
    const std::vector<std::string> buttons = {"cmdgtavcweapon", "cmdgtavcitem", "cmdgtavcvehicle",
                                              "cmdgtavcback", "cmdexit"};
    for (const auto& b : buttons) {
        EXPECT_FALSE(app.forms["frmgtavccodepick"].Enabled(b)) << b;
    }
    EXPECT_FALSE(app.forms.isLoaded("frmgtavcvehicle"));
    app.click("frmvcnotavailable", "cmdclosewindow");
    EXPECT_FALSE(app.forms.isLoaded("frmvcnotavailable"));
    for (const auto& b : buttons) {
        EXPECT_TRUE(app.forms["frmgtavccodepick"].Enabled(b)) << b;
    }
}

TEST_F(ShellTest, PickerConfirmationNoReturnsToThePicker) {
    app.click("frmgtapick", "cmdgta3");
    app.click("frmgta3codepick", "cmdgta3cpexit");
    EXPECT_FALSE(app.forms["frmgta3codepick"].Enabled("cmdgta3weapon"));
    EXPECT_EQ(app.forms["frmgta3cpexit"].focusedControl(), "cmdno");
    app.click("frmgta3cpexit", "cmdno");
    EXPECT_TRUE(app.forms["frmgta3codepick"].Enabled("cmdgta3weapon"));
    EXPECT_TRUE(app.forms["frmgta3codepick"].Enabled("cmdgta3cpexit"));
    EXPECT_FALSE(app.forms.isLoaded("frmgta3cpexit"));
}

TEST_F(ShellTest, WebSiteItemsHandTheirAddressToTheDesktopAndGreyNothing) {
    app.click("frmgtapick", "mnuvorlak");
    app.click("frmgtapick", "mnugtaf");
    app.click("frmgtapick", "mnugtau");
    app.click("frmgtapick", "mnuvorlak");
    const std::vector<std::string> expected = {
        "https://vorlak.example.com", "https://gtaforums.com", "https://gtauniverse.example.org",
        "https://vorlak.example.com"};
    EXPECT_EQ(app.backend.openedUrls(), expected);
    EXPECT_TRUE(app.forms["frmgtapick"].Enabled("cmdgta3"));
    EXPECT_TRUE(app.forms["frmgtapick"].Enabled("mnuweb"));
    EXPECT_EQ(app.forms.visibleWindows(), std::vector<std::string>{"frmgtapick"});
}

TEST_F(ShellTest, ABrowserThatCannotStartLeavesTheProgramRunning) {
    app.backend.setOpenUrlSucceeds(false);
    app.click("frmgtapick", "mnugtaf");
    EXPECT_FALSE(app.forms.ended());
    EXPECT_TRUE(app.forms.isVisible("frmgtapick"));
    EXPECT_TRUE(app.forms["frmgtapick"].Enabled("mnuweb"));
}

TEST_F(ShellTest, ConfirmationClosedByItsCloseBoxLeavesTheOwnerGreyed) {
    app.click("frmgtapick", "cmdexit");
    app.forms.closeBox("frmgtagpexit");
    EXPECT_FALSE(app.forms.isLoaded("frmgtagpexit"));
    EXPECT_FALSE(app.forms["frmgtapick"].Enabled("cmdgta3"));
    EXPECT_FALSE(app.forms.ended());
    // The owner's own close box still works, and it was the last window.
    app.forms.closeBox("frmgtapick");
    EXPECT_TRUE(app.forms.ended());
    EXPECT_EQ(app.backend.quitCalls(), 1);
}

TEST_F(ShellTest, AnEnableAfterItsWindowWasClosedLeavesNoHiddenWindowBehind) {
    app.click("frmgtapick", "cmdexit");
    app.forms.closeBox("frmgtapick");  // the confirmation still stands
    EXPECT_FALSE(app.forms.ended());
    // "No" runs enablegtapick, which creates a hidden main window, then the confirmation goes:
    // nothing is left on the screen, so the program must end instead of lingering unseen.
    app.click("frmgtagpexit", "cmdno");
    EXPECT_TRUE(app.forms.ended());
    EXPECT_TRUE(app.forms.loadedWindows().empty());
    EXPECT_EQ(app.backend.quitCalls(), 1);
}

TEST(Greying, AProcedureForAWindowWithoutInstanceCreatesItHidden) {
    MemoryApp app;
    basenabledisable::disablegta3codepick(app.forms);
    ASSERT_TRUE(app.forms.isLoaded("frmgta3codepick"));
    EXPECT_FALSE(app.forms.isVisible("frmgta3codepick"));
    EXPECT_FALSE(app.forms["frmgta3codepick"].Enabled("cmdgta3item"));
}

TEST(Greying, DoesNotNest) {
    MemoryApp app;
    app.forms.Show("frmgtapick");
    basenabledisable::disablegtapick(app.forms);
    basenabledisable::disablegtapick(app.forms);
    basenabledisable::enablegtapick(app.forms);
    EXPECT_TRUE(app.forms["frmgtapick"].Enabled("cmdexit"));
    EXPECT_TRUE(app.forms["frmgtapick"].Enabled("mnucontact"));
    // An enable on a window that is not greyed changes nothing.
    basenabledisable::enablegtapick(app.forms);
    EXPECT_TRUE(app.forms["frmgtapick"].Enabled("cmdexit"));
}

TEST(Greying, ListsHaveTheirSizesAndNameOnlyControlsOfTheirWindow) {
    MemoryApp app;
    const std::vector<std::pair<std::string, std::size_t>> counts = {
        {"frmgtapick", 8},
        {"frmsendemail", 8},
        {"frmgta3codepick", 5},
        {"frmgta3weapon", 16},
        {"frmgta3weaponcode", 5},
        {"frmgta3item", 14},
        {"frmgta3itemfinished", 5},
        {"frmgta3vehicle", 18},
        {"frmgta3vehiclefinished", 5},
        {"frmgtavccodepick", 5},
        {"frmgtavcweapon", 16},
        {"frmgtavcweaponfinished", 5},
        {"frmgtavcitem", 14},
        {"frmgtavcitemfinished", 5},
        {"frmgtavcvehicle", 18},
        {"frmgtavcvehiclefinished", 5},
        {"frmgtasacodepick", 5},
        {"frmgtasaweapon", 16},
        {"frmgtasaweaponfinished", 5},
        {"frmgtasaitem", 14},
        {"frmgtasaitemfinished", 5},
        {"frmgtasavehicle", 18},
        {"frmgtasavehiclefinished", 5}};
    ASSERT_EQ(basenabledisable::greyingLists().size(), counts.size());
    for (const auto& [window, count] : counts) {
        const auto* list = basenabledisable::greyingListOf(window);
        ASSERT_NE(list, nullptr) << window;
        EXPECT_EQ(list->controls.size(), count) << window;
        ASSERT_TRUE(app.forms.isDefined(window)) << window;
        const auto& layout = app.forms.definition(window).layout;
        for (auto control : list->controls) {
            const std::string name(control);
            EXPECT_TRUE(layout.find(name) || layout.findMenu(name)) << window << "." << name;
        }
    }
}

TEST(Greying, EachDisableGreysItsListAndNothingElse) {
    MemoryApp app;
    for (const auto& list : basenabledisable::greyingLists()) {
        const std::string window(list.window);
        ASSERT_TRUE(app.forms.isDefined(window)) << window;
        basenabledisable::setListEnabled(app.forms, window, false);
        auto& instance = app.forms[window];
        for (const auto& control : instance.layout().controls) {
            const bool listed = std::find(list.controls.begin(), list.controls.end(),
                                          control.name) != list.controls.end();
            EXPECT_EQ(instance.Enabled(control.name), !listed) << window << "." << control.name;
        }
        basenabledisable::setListEnabled(app.forms, window, true);
        for (const auto& control : instance.layout().controls) {
            EXPECT_TRUE(instance.Enabled(control.name)) << window << "." << control.name;
        }
        app.forms.Unload(window);
    }
}

TEST(Runtime, UnloadedWindowsComeBackFromTheirLayout) {
    MemoryApp app;
    app.forms.Show("frmgtapick");
    app.forms.Show("frmgta3codepick");
    app.forms["frmgta3codepick"].SetEnabled("cmdgta3item", false);
    app.forms.Unload("frmgta3codepick");
    EXPECT_FALSE(app.forms.isLoaded("frmgta3codepick"));
    EXPECT_TRUE(app.forms["frmgta3codepick"].Enabled("cmdgta3item"));
    EXPECT_FALSE(app.forms.isVisible("frmgta3codepick"));
}

TEST(Runtime, AMisspeltControlIsAnErrorNotASilentNoOp) {
    MemoryApp app;
    EXPECT_THROW(app.forms["frmgtapick"].SetEnabled("cmdgta4", false), std::out_of_range);
    EXPECT_THROW(app.forms["frmnosuchwindow"], std::out_of_range);
}

forms::WindowDef windowWithClick(const std::string& name, const std::string& key) {
    forms::WindowDef def;
    def.layout.name = name;
    def.layout.controls.push_back(forms::button("cmdok", "OK", {0, 0, 1200, 400}));
    def.layout.menus.push_back({"mnufile", "&File", {{"mnuquit", "&Quit", "Ctrl+Q"}}});
    def.clicks[key] = [](forms::Forms& f) { f.Unload("frmtest"); };
    return def;
}

TEST(Runtime, AClickHandlerForNothingInTheLayoutIsRefusedWhenTheWindowIsDefined) {
    forms::MemoryBackend backend;
    forms::Forms forms(backend);
    for (const char* key : {"cmdok", "mnufile", "mnuquit"}) {
        EXPECT_NO_THROW(forms.define(windowWithClick("frmtest", key))) << key;
    }
    try {
        forms.define(windowWithClick("frmother", "cmdokk"));
        ADD_FAILURE() << "a handler for a control that does not exist was taken";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(),
                     "window frmother has a click handler for cmdokk, which it does not have");
    }
    EXPECT_FALSE(forms.isDefined("frmother"));
    // The last good definition stands and its handler runs.
    forms.Show("frmtest");
    forms.click("frmtest", "mnuquit");
    EXPECT_FALSE(forms.isLoaded("frmtest"));
}

// Tables name windows and controls by string; a misspelt name must stop the program at start.
void expectNameError(const forms::Forms& forms, const std::string& message) {
    try {
        app::requireNamedWindowsAndControls(forms);
        ADD_FAILURE() << "no error; expected: " << message;
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}

TEST(NamesInTables, AMissingNavigationTargetFailsNamingTheHandler) {
    MemoryApp app;
    forms::WindowDef def = windowWithClick("frmtest", "cmdok");
    def.clicks["cmdok"] = shell::navigate("frmtest", "frmgta3codepik");
    app.forms.define(def);
    expectNameError(app.forms,
                    "the click handler of frmtest.cmdok names window frmgta3codepik, which is not "
                    "defined");
}

TEST(NamesInTables, AGreyingListEntryTheWindowLacksFails) {
    MemoryApp app;
    forms::WindowDef main = app.forms.definition("frmgtapick");
    main.layout.menus.pop_back();  // the "Web Sites" menu, whose title the list greys
    main.clicks.clear();
    app.forms.define(main);
    expectNameError(
        app.forms, "window frmgtapick has a greying list entry for mnuweb, which it does not have");
}

TEST(NamesInTables, AConfirmationForAWindowThatIsNotDefinedFails) {
    forms::MemoryBackend backend;
    forms::Forms forms(backend);
    shell::defineConfirmations(forms);
    expectNameError(forms, "an exit confirmation names window " +
                               shell::confirmations().front().guards + ", which is not defined");
}

TEST(Runtime, AClickOnAControlTheWindowDoesNotHaveIsAnError) {
    MemoryApp app;
    app.forms.Show("frmgtapick");
    EXPECT_THROW(app.click("frmgtapick", "cmdgta4"), std::out_of_range);
    // A control without a handler does nothing, and nor does a window that is not loaded.
    app.click("frmgtapick", "mnuabout");
    app.click("frmgta3codepick", "cmdgta4");
    EXPECT_EQ(app.forms.visibleWindows(), std::vector<std::string>{"frmgtapick"});
}

TEST(Runtime, EveryWindowOfTheChainIsDefined) {
    MemoryApp app;
    for (const char* name :
         {"frmquarnixload", "frmgtapick", "frmgta3codepick", "frmgtavccodepick", "frmgtasacodepick",
          "frm3notavailable", "frmvcnotavailable", "frmsanotavailable"}) {
        EXPECT_TRUE(app.forms.isDefined(name)) << name;
    }
    EXPECT_FALSE(contains(app.forms.loadedWindows(), "frmgtapick"));
}

}  // namespace

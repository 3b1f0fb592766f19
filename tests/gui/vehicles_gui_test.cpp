// The vehicle creators on the real Qt widgets: input limits, focus order, greying while the
// exit confirmation stands, what the lists show and a generate done through the widgets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::QtApp;
using testsupport::spaced;

struct Creator {
    const char* window;
    const char* confirmation;
    // The focus order, written out: list, X, Y, Z, code name, alarm, door lock, Generate,
    // back to the picker, back to the main window, Exit, and last the angle box.
    std::vector<std::string> focusOrder;
};

const std::vector<Creator> kCreators = {
    {"frmgta3vehicle",
     "frmgta3vehicleexit",
     {"lstvehicle", "txtgta3vehiclex", "txtgta3vehicley", "txtgta3vehiclez", "txtcodename",
      "txtalarmpercent", "txtdoorlockpercent", "cmdgencode", "cmdbacktogta3cp", "cmdbacktogtapick",
      "cmdexit", "txtangle"}},
    {"frmgtavcvehicle",
     "frmgtavcvehicleexit",
     {"lstvehicle", "txtx", "txty", "txtz", "txtcodename", "txtalarmpercent", "txtdoorlock",
      "cmdgencode", "cmdbacktogtavccp", "cmdbacktogtapick", "cmdexit", "txtangle"}},
    {"frmgtasavehicle",
     "frmgtasavehicleexit",
     {"lstgtasavehicle", "txtx", "txty", "txtz", "txtcodename", "txtalarmpercent", "txtdoorlock",
      "cmdgencode", "cmdbacktogtasacp", "cmdbacktogtapick", "cmdexit", "txtangle"}},
};

TEST(VehicleGui, ShortBoxesTakeThreeCharactersAndCoordinatesSeven) {
    for (const Creator& c : kCreators) {
        QtApp app;
        app.forms.Show(c.window);
        const auto& order = c.focusOrder;
        for (const std::string& box : {order[5], order[6], order[11]}) {
            app.typeInto(c.window, box, "1234");
            EXPECT_EQ(app.as<QLineEdit>(c.window, box)->text(), "123") << c.window << " " << box;
        }
        for (const std::string& box : {order[1], order[2], order[3]}) {
            app.typeInto(c.window, box, "-1234.567");
            EXPECT_EQ(app.as<QLineEdit>(c.window, box)->text(), "-1234.5")
                << c.window << " " << box;
        }
        app.typeInto(c.window, "txtcodename", "a_rather_long_code_name_for_a_car");
        EXPECT_EQ(app.forms[c.window].Text("txtcodename"), "a_rather_long_code_name_for_a_car");
    }
}

TEST(VehicleGui, TabWalksTheCreatorWithTheAngleBoxLast) {
    for (const Creator& c : kCreators) {
        QtApp app;
        app.forms.Show(c.window);
        EXPECT_EQ(app.focusName(c.window), c.focusOrder.front()) << c.window;
        for (std::size_t i = 1; i <= c.focusOrder.size(); ++i) {
            app.key(c.window, Qt::Key_Tab);
            EXPECT_EQ(app.focusName(c.window), c.focusOrder[i % c.focusOrder.size()])
                << c.window << " after " << i << " tabs";
        }
    }
}

TEST(VehicleGui, ExitGreysAllButTheAngleBoxAndNoRestoresTheCreator) {
    for (const Creator& c : kCreators) {
        QtApp app;
        app.forms.Show(c.window);
        const std::string list = c.focusOrder.front();
        app.forms[c.window].SetListIndex(list, 3);
        app.typeInto(c.window, "txtcodename", "kept");
        app.clickButton(c.window, "cmdexit");
        ASSERT_TRUE(app.forms.isVisible(c.confirmation)) << c.window;

        // Every control of the window is greyed except the angle box and its label.
        for (const auto& control : app.forms[c.window].layout().controls) {
            const bool angle = control.name == "txtangle" || control.name == "lblangle";
            EXPECT_EQ(app.widget(c.window, control.name)->isEnabled(), angle)
                << c.window << " " << control.name;
        }
        app.typeInto(c.window, "txtangle", "270");
        EXPECT_EQ(app.forms[c.window].Text("txtangle"), "270") << c.window;

        app.clickButton(c.confirmation, "cmdno");
        EXPECT_FALSE(app.forms.isLoaded(c.confirmation));
        for (const auto& control : app.forms[c.window].layout().controls) {
            EXPECT_TRUE(app.widget(c.window, control.name)->isEnabled())
                << c.window << " " << control.name;
        }
        EXPECT_EQ(app.forms[c.window].ListIndex(list), 3);
        EXPECT_EQ(app.forms[c.window].Text("txtcodename"), "kept");
        EXPECT_EQ(app.forms[c.window].Text("txtangle"), "270");
        QtApp::flush();
    }
}

TEST(VehicleGui, EnterActsOnTheButtonThatHasTheFocus) {
    {
        QtApp app;
        app.forms.Show("frmgta3vehicle");
        app.clickButton("frmgta3vehicle", "cmdexit");
        EXPECT_EQ(app.focusName("frmgta3vehicleexit"), "cmdyes");
        app.key("frmgta3vehicleexit", Qt::Key_Return);
        EXPECT_TRUE(app.forms.ended());
    }
    {
        QtApp app;
        app.forms.Show("frmgta3vehiclefinished");
        app.clickButton("frmgta3vehiclefinished", "cmdexit");
        EXPECT_FALSE(
            app.widget("frmgta3vehiclefinished", "txtgta3vehiclefinishedcode")->isEnabled());
        EXPECT_EQ(app.focusName("frmgta3vehiclefinishedexit"), "cmdno");
        app.key("frmgta3vehiclefinishedexit", Qt::Key_Return);
        EXPECT_FALSE(app.forms.ended());
        EXPECT_FALSE(app.forms.isLoaded("frmgta3vehiclefinishedexit"));
        EXPECT_TRUE(
            app.widget("frmgta3vehiclefinished", "txtgta3vehiclefinishedcode")->isEnabled());
        QtApp::flush();
    }
}

TEST(VehicleGui, GtaVcListShowsTheCaptionsWithTheirBlanks) {
    QtApp app;
    app.forms.Show("frmgtavcvehicle");
    auto* list = app.as<QListWidget>("frmgtavcvehicle", "lstvehicle");
    ASSERT_EQ(list->count(), 99);
    EXPECT_EQ(list->item(28)->text().toStdString(), spaced("FBI··Rancher"));
    EXPECT_EQ(list->item(41)->text().toStdString(), spaced("Idaho··"));
    EXPECT_EQ(list->item(29)->text().toStdString(), spaced("FBI·Washinton·"));
    EXPECT_EQ(app.forms["frmgtavcvehicle"].ListIndex("lstvehicle"), -1);
}

TEST(VehicleGui, Gta3GenerateThroughTheWidgetsFillsTheResultBox) {
    QtApp app;
    const std::string creator = "frmgta3vehicle";
    app.forms.Show(creator);
    auto* list = app.as<QListWidget>(creator, "lstvehicle");
    QListWidgetItem* fishVan =
        list->findItems(QStringLiteral("Triad Fish Van"), Qt::MatchExactly).value(0);
    ASSERT_NE(fishVan, nullptr);
    list->scrollToItem(fishVan);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(fishVan).center());
    ASSERT_EQ(app.forms[creator].ListIndex("lstvehicle"), list->row(fishVan));

    // Shift+Tab from the list wraps round to the angle box, last in the order.
    app.key(creator, Qt::Key_Backtab, Qt::ShiftModifier);
    app.typeHere(creator, "90");
    app.key(creator, Qt::Key_Tab);  // back to the list
    for (const char* value : {"12.5", "-30", "7", "van", "40", "60"}) {
        app.key(creator, Qt::Key_Tab);
        app.typeHere(creator, value);
    }
    app.key(creator, Qt::Key_Tab);
    ASSERT_EQ(app.focusName(creator), "cmdgencode");
    app.key(creator, Qt::Key_Space);

    EXPECT_FALSE(app.forms.isLoaded(creator));
    ASSERT_TRUE(app.forms.isVisible("frmgta3vehiclefinished"));
    EXPECT_EQ(app.forms["frmgta3vehiclefinished"].Text("txtgta3vehiclefinishedcode"),
              spaced("014B:·$van·=·init_parked_car_generator·#BELLYUP·-1·-1··0·alarm·40·"
                     "door_lock··60··0··10000·at··12.5·-30·7·angle··90<CRLF>"
                     "014C:·set_parked_car_generator·$van·cars_to_generate_to··101"));
    auto* box = app.as<QPlainTextEdit>("frmgta3vehiclefinished", "txtgta3vehiclefinishedcode");
    EXPECT_EQ(box->document()->blockCount(), 2) << "two lines, no empty third one";
    EXPECT_EQ(app.focusName("frmgta3vehiclefinished"), "cmdexit");
    QtApp::flush();
}

}  // namespace

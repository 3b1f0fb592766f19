// The information windows and the e-mail composer on the real Qt widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <algorithm>
#include <string>
#include <vector>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::QtApp;

struct Dialog {
    const char* menuItem;
    Qt::Key shortcut;
    const char* window;
    const char* close;
};

const std::vector<Dialog> kDialogs = {
    {"mnuprogram", Qt::Key_P, "frmaboutprogram", "cmdclosethiswindow"},
    {"mnuversion", Qt::Key_V, "frmaboutversion", "cmdclosewindow"},
    {"mnucopyright", Qt::Key_O, "frmaboutcopyright", "cmdclosewindow"},
    {"mnuthanks2", Qt::Key_T, "frmthanks", "cmdclosewindow"},
    {"mnuemail", Qt::Key_E, "frmsendemail", "cmdclosewindow"},
};

bool mainWindowGreyed(QtApp& app) {
    forms::Window& main = app.forms["frmgtapick"];
    const bool buttons = !app.widget("frmgtapick", "cmdgta3")->isEnabled() &&
                         !app.widget("frmgtapick", "cmdexit")->isEnabled();
    const bool menus = !main.Enabled("mnuabout") && !main.Enabled("mnucontact");
    EXPECT_EQ(buttons, menus);
    return buttons;
}

TEST(InfoWindows, MenuItemsAndShortcutsOpenEachOverAGreyedMainWindow) {
    for (bool byShortcut : {false, true}) {
        for (const Dialog& d : kDialogs) {
            SCOPED_TRACE(std::string(d.window) + (byShortcut ? " by shortcut" : " by menu"));
            QtApp app;
            app.forms.Show("frmgtapick");
            QtApp::flush();
            if (byShortcut) {
                QTest::keyClick(app.top("frmgtapick"), d.shortcut, Qt::ControlModifier);
            } else {
                app.top("frmgtapick")->findChild<QAction*>(d.menuItem)->trigger();
            }
            ASSERT_TRUE(app.forms.isVisible(d.window));
            EXPECT_TRUE(app.top(d.window)->isVisible());
            EXPECT_TRUE(mainWindowGreyed(app));
            for (QLabel* label : app.top(d.window)->findChildren<QLabel*>()) {
                EXPECT_TRUE(label->isEnabled()) << label->objectName().toStdString();
            }

            app.clickButton(d.window, d.close);
            QtApp::flush();
            EXPECT_FALSE(app.forms.isLoaded(d.window));
            EXPECT_FALSE(mainWindowGreyed(app));
            EXPECT_TRUE(app.forms.isVisible("frmgtapick"));
            EXPECT_TRUE(app.waitActive("frmgtapick")) << "the keyboard goes back to it";
        }
    }
}

TEST(InfoWindows, ReadOnlyBoxesRefuseTyping) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.forms.click("frmgtapick", "mnuversion");
    const std::string features = testsupport::spaced(
        "GTA·3·Weapon·Spawn·Point·Creating<CRLF>GTA·3·Melee·Weapon·Spawn·Point·Creating<CRLF>"
        "GTA·3·Item·Spawn·Point·Creating<CRLF>GTA·VC·Weapon·Spawn·Point·Creating<CRLF>"
        "GTA·VC·Melee·Weapon·Spawn·Point·Creating<CRLF>GTA·VC·Item·Spawn·Point·Creating<CRLF>"
        "GTA·SA·Weapon·Spawn·Point·Creating<CRLF>GTA·SA·Melee·Weapon·Spawn·Point·Creating<CRLF>"
        "GTA·SA·Item·Spawn·Point·Creating<CRLF>");
    ASSERT_EQ(features.size(), 333u);
    const std::vector<std::pair<std::string, std::string>> versionBoxes = {
        {"txtaboutversionfeatures", features},
        {"txtbugsfixed", testsupport::spaced("No·Bugs·Reported·Yet.<CRLF>")},
    };
    for (const auto& [box, text] : versionBoxes) {
        app.typeInto("frmaboutversion", box, "xy");
        QTest::keyClick(app.widget("frmaboutversion", box), Qt::Key_Backspace);
        EXPECT_EQ(app.forms["frmaboutversion"].Text(box), text) << box;
    }
    app.forms.click("frmaboutversion", "cmdclosewindow");
    app.forms.click("frmgtapick", "mnuemail");
    for (const char* box : {"txtTo", "txtSubject"}) {
        const std::string before = app.forms["frmsendemail"].Text(box);
        app.typeInto("frmsendemail", box, "xy");
        QTest::keyClick(app.widget("frmsendemail", box), Qt::Key_Backspace);
        EXPECT_EQ(app.forms["frmsendemail"].Text(box), before) << box;
    }
    app.typeInto("frmsendemail", "txtCc", "xy");
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtCc"), "xy");
}

TEST(Composer, TabWalksTheBoxesThenSendExitClose) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.forms.click("frmgtapick", "mnuemail");
    std::vector<std::string> walk = {app.focusName("frmsendemail")};
    for (int i = 0; i < 8; ++i) {
        app.key("frmsendemail", Qt::Key_Tab);
        walk.push_back(app.focusName("frmsendemail"));
    }
    EXPECT_EQ(walk, (std::vector<std::string>{"txtTo", "txtCc", "txtBcc", "txtSubject", "txtBody",
                                              "cmdSend", "cmdexit", "cmdclosewindow", "txtTo"}));
}

TEST(Composer, ExitConfirmationGreysExactlyItsEightControls) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.forms.click("frmgtapick", "mnuemail");
    app.clickButton("frmsendemail", "cmdexit");
    ASSERT_TRUE(app.forms.isVisible("frmemailexit"));
    auto enabledControls = [&] {
        std::vector<std::string> names;
        QWidget* client = app.widget("frmsendemail", "txtTo")->parentWidget();
        for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->objectName().isEmpty() && w->isEnabled()) {
                names.push_back(w->objectName().toStdString());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    EXPECT_EQ(enabledControls(), std::vector<std::string>(5, "Label1"));
    app.clickButton("frmemailexit", "cmdno");
    QtApp::flush();
    EXPECT_FALSE(app.forms.isLoaded("frmemailexit"));
    EXPECT_EQ(enabledControls().size(), 13u);
    EXPECT_TRUE(mainWindowGreyed(app)) << "the composer still stands over the main window";
}

// What the mail program receives: the address as the desktop encodes it for hand-off.
TEST(Composer, EachLaunchHandsOverOneAddressThatReadsBackExactly) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.forms.click("frmgtapick", "mnuemail");
    app.typeInto("frmsendemail", "txtCc", "a b&c@example.org");
    app.typeInto("frmsendemail", "txtBcc", "100%41 #2 ?x=y+z");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    body->moveCursor(QTextCursor::End);
    QTest::keyClicks(body, QStringLiteral("x#"));
    // Key clicks carry Latin-1 only, and Tab moves the focus: paste the rest.
    body->insertPlainText(QStringLiteral("caf\u00E9\t\U0001F600"));
    QTest::keyClick(body, Qt::Key_Return);
    const std::vector<std::string> fields = {"txtTo", "txtCc", "txtBcc", "txtSubject", "txtBody"};
    std::vector<std::string> typed;
    for (const auto& f : fields) {
        typed.push_back(app.forms["frmsendemail"].Text(f));
    }
    ASSERT_NE(typed[4].find("\r\nx#caf\xC3\xA9\t\xF0\x9F\x98\x80\r\n"), std::string::npos);

    app.clickButton("frmsendemail", "cmdSend");
    app.clickButton("frmsendemail", "cmdSend");
    ASSERT_EQ(app.openedUrls.size(), 2u);
    EXPECT_EQ(app.openedUrls[0], app.openedUrls[1]);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(app.forms["frmsendemail"].Text(fields[i]), typed[i]) << fields[i];
    }

    const QUrl& url = app.openedUrls[0];
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "vorlak@example.com");
    EXPECT_FALSE(url.hasFragment());
    const QByteArray sent = url.toEncoded();
    const QByteArray query = sent.mid(sent.indexOf('?') + 1);
    const QList<QByteArray> parts = query.split('&');
    ASSERT_EQ(parts.size(), 4) << sent.toStdString();
    const char* keys[] = {"CC", "BCC", "Subject", "Body"};
    for (int i = 0; i < 4; ++i) {
        const QByteArray key = parts[i].left(parts[i].indexOf('='));
        const QByteArray value = parts[i].mid(parts[i].indexOf('=') + 1);
        EXPECT_EQ(key.toStdString(), keys[i]);
        EXPECT_EQ(QUrl::fromPercentEncoding(value).toStdString(), typed[i + 1]) << keys[i];
    }
}

}  // namespace

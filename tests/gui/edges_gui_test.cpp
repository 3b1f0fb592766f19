// The real widgets at their edges: what a user pastes, drops, clicks or holds never loses,
// changes or adds a character, and never leaves a list with nothing chosen.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::QtApp;
using testsupport::spaced;

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

void setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

// Opens the box's own context menu and chooses its Paste entry.
void pasteByContextMenu(QWidget* box) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    QMenu* menu = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* m = qobject_cast<QMenu*>(w); m != nullptr && m->isVisible()) {
            menu = m;
        }
    }
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste"))) {
            paste = action;
        }
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
}

struct ListCase {
    const char* how;
    std::function<void(QListWidget*)> act;
};

TEST(ListEdges, AChosenEntryStaysChosenWhateverTheUserDoes) {
    const std::vector<ListCase> cases = {
        {"Ctrl+Space",
         [](QListWidget* l) { QTest::keyClick(l, Qt::Key_Space, Qt::ControlModifier); }},
        {"Ctrl+click on the entry",
         [](QListWidget* l) {
             QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               l->visualItemRect(l->item(2)).center());
         }},
        {"click below the entries",
         [](QListWidget* l) {
             QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier,
                               QPoint(10, l->viewport()->height() - 3));
         }},
        {"Ctrl+click below the entries",
         [](QListWidget* l) {
             QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::ControlModifier,
                               QPoint(10, l->viewport()->height() - 3));
         }},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.how);
        QtApp app;
        app.forms.Show("frmgta3item");
        auto* list = app.as<QListWidget>("frmgta3item", "lstitem");
        ASSERT_LT(list->visualItemRect(list->item(3)).bottom(), list->viewport()->height() - 6);
        EXPECT_EQ(app.forms["frmgta3item"].ListIndex("lstitem"), -1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(2)).center());
        ASSERT_EQ(app.forms["frmgta3item"].ListIndex("lstitem"), 2);

        c.act(list);
        EXPECT_EQ(app.forms["frmgta3item"].ListIndex("lstitem"), 2);
        EXPECT_EQ(list->selectedItems().size(), 1);

        // The choice still reaches the script line.
        app.clickButton("frmgta3item", "cmdgta3itemgencode");
        EXPECT_EQ(app.forms["frmgta3itemfinished"].Text("txtgta3itemfinishedcode"),
                  spaced("0213:·$·=·create_pickup·-30·(BRIBE)·type··14·at····"));
    }
}

TEST(ListEdges, ClicksStillMoveTheChoice) {
    QtApp app;
    app.forms.Show("frmgta3item");
    auto* list = app.as<QListWidget>("frmgta3item", "lstitem");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(app.forms["frmgta3item"].ListIndex("lstitem"), 3);
    app.key("frmgta3item", Qt::Key_Up);
    EXPECT_EQ(app.forms["frmgta3item"].ListIndex("lstitem"), 2);
}

TEST(OneLineBoxEdges, TakeAnyLengthButNeverALineBreak) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    auto* name = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponname");
    auto* ammo = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponammo");

    const QString longText(40000, QLatin1Char('n'));
    setClipboardText(longText);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text().size(), 40000);
    QTest::keyClick(name, Qt::Key_Z);
    EXPECT_EQ(app.forms["frmgta3weapon"].Text("txtgta3weaponname").size(), 40001u);
    setClipboardText(longText);
    ammo->setFocus();
    QTest::keyClick(ammo, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(ammo->text().size(), 40000);

    // Pasted or dropped text is cut at its first line break, wherever it lands.
    name->clear();
    QTest::keyClicks(name, "ab");
    QTest::keyClick(name, Qt::Key_Left);
    setClipboardText(QStringLiteral("1\r\n2"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "a1b");
    setClipboardText(QStringLiteral("x\ny"));
    QTest::keyClick(name, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(name->text(), "a1xb");
    setClipboardText(QStringLiteral("\u00e9\rz"));
    pasteByContextMenu(name);
    EXPECT_EQ(name->text(), QStringLiteral("a1x\u00e9b"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("d\nz"));
    QApplication::sendEvent(name, &composed);
    EXPECT_EQ(name->text(), QStringLiteral("a1x\u00e9db"));

    // The coordinate boxes keep their limit of seven.
    auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    setClipboardText(QStringLiteral("123456789\n0"));
    x->setFocus();
    QTest::keyClick(x, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(x->text(), "1234567");
}

TEST(OneLineBoxEdges, PasteWithoutTextLeavesTheBoxAlone) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    auto* name = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponname");
    name->setFocus();
    QTest::keyClicks(name, "keep");
    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(image);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "keep");
}

TEST(MultiLineBoxEdges, ReadBackExactlyWhatWasTyped) {
    QtApp app;
    app.forms.Show("frmsendemail");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    body->setFocus();
    body->selectAll();
    QTest::keyClick(body, Qt::Key_Delete);
    // No-break space, line and paragraph separators are characters like any other; Enter and
    // Shift+Enter are the box's own line breaks.
    app.typeInto("frmsendemail", "txtBody", QStringLiteral("a\u00a0b\u2028c\u2029d"));
    QTest::keyClick(body, Qt::Key_Return);
    QTest::keyClicks(body, "e");
    QTest::keyClick(body, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(body, "f");
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), "a\u00a0b\u2028c\u2029d\r\ne\r\nf");

    // Text set by the program comes back unchanged too.
    const std::string line = "0213: $\u2029x\u00a0 = create_pickup\r\nline2";
    app.forms["frmsendemail"].SetText("txtBody", line);
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), line);
}

TEST(MultiLineBoxEdges, PastePlainTextOnlyWithTheBoxLineBreaks) {
    QtApp app;
    app.forms.Show("frmsendemail");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    app.forms["frmsendemail"].SetText("txtBody", "");
    body->setFocus();

    setClipboardText(QStringLiteral("1\n2\r\n3\u00a0"));
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), "1\r\n2\r\n3\u00a0");

    // Rich text, an image or nothing at all adds nothing.
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>bold</b>"));
    QGuiApplication::clipboard()->setMimeData(rich);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(image);
    QTest::keyClick(body, Qt::Key_Insert, Qt::ShiftModifier);
    QGuiApplication::clipboard()->clear();
    pasteByContextMenu(body);
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), "1\r\n2\r\n3\u00a0");

    // Text with markup beside it goes in as its plain text.
    auto* both = new QMimeData;
    both->setHtml(QStringLiteral("<i>x</i>"));
    both->setText(QStringLiteral("x"));
    QGuiApplication::clipboard()->setMimeData(both);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), "1\r\n2\r\n3\u00a0x");

    const QString longText(40000, QLatin1Char('m'));
    setClipboardText(longText);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"),
              "1\r\n2\r\n3\u00a0x" + longText.toStdString());
}

struct NoText {
    const char* what;
    std::function<QMimeData*()> make;  // nullptr: the clipboard has no owner
};

TEST(MultiLineBoxEdges, PasteWithoutTextKeepsTheSelectionAndAReadOnlyBoxTakesNothing) {
    const std::vector<NoText> clipboards = {
        {"rich text",
         [] {
             auto* rich = new QMimeData;
             rich->setHtml(QStringLiteral("<b>bold</b>"));
             return rich;
         }},
        {"a picture",
         [] {
             auto* image = new QMimeData;
             image->setImageData(QImage(4, 4, QImage::Format_RGB32));
             return image;
         }},
        {"an empty text",
         [] {
             auto* empty = new QMimeData;
             empty->setText(QString());
             return empty;
         }},
        {"nothing", [] { return static_cast<QMimeData*>(nullptr); }},
    };
    QtApp app;
    app.forms.Show("frmsendemail");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    app.forms["frmsendemail"].SetText("txtBody", "keep\r\nthis");
    body->setFocus();
    for (const NoText& c : clipboards) {
        SCOPED_TRACE(c.what);
        if (QMimeData* mime = c.make()) {
            QGuiApplication::clipboard()->setMimeData(mime);
        } else {
            QGuiApplication::clipboard()->clear();
        }
        EXPECT_FALSE(body->canPaste());
        body->selectAll();
        QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), "keep\r\nthis");
        EXPECT_EQ(body->textCursor().selectedText(), QStringLiteral("keep\u2029this"));
        if (const std::unique_ptr<QMimeData> mime{c.make()}) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(body->viewport(), &enter);
            EXPECT_FALSE(enter.isAccepted()) << "a drop without text is refused";
        }
    }

    // A result box takes nothing, not even from its own paste slot.
    app.forms.Show("frmaboutversion");
    auto* features = app.as<QPlainTextEdit>("frmaboutversion", "txtaboutversionfeatures");
    const std::string before = app.forms["frmaboutversion"].Text("txtaboutversionfeatures");
    setClipboardText(QStringLiteral("pasted"));
    features->selectAll();
    features->paste();
    EXPECT_EQ(app.forms["frmaboutversion"].Text("txtaboutversionfeatures"), before);
}

TEST(MultiLineBoxEdges, CopyAndCutPutCrLfOnTheClipboard) {
    QtApp app;
    app.forms.Show("frmaboutversion");
    auto* features = app.as<QPlainTextEdit>("frmaboutversion", "txtaboutversionfeatures");
    const QString expected = q(app.forms["frmaboutversion"].Text("txtaboutversionfeatures"));
    ASSERT_TRUE(expected.contains(QStringLiteral("\r\n")));
    features->setFocus();
    features->selectAll();
    QTest::keyClick(features, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);

    app.forms.Show("frmsendemail");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    app.forms["frmsendemail"].SetText("txtBody", "one\u2029\r\ntwo\u00a0");
    body->setFocus();
    body->selectAll();
    QTest::keyClick(body, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("one\u2029\r\ntwo\u00a0"));
    EXPECT_EQ(app.forms["frmsendemail"].Text("txtBody"), "");
}

TEST(ButtonEdges, AutoRepeatedPressesDoNothingAndKeypadEnterActs) {
    QtApp app;
    app.forms.Show("frmgtapick");
    QWidget* exit = app.widget("frmgtapick", "cmdexit");
    exit->setFocus();
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                       true);
    QApplication::sendEvent(exit, &repeated);
    EXPECT_FALSE(app.forms.isLoaded("frmgtagpexit"));

    QTest::keyClick(exit, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(app.forms.isVisible("frmgtagpexit"));
    EXPECT_EQ(app.focusName("frmgtagpexit"), "cmdyes");
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(app.widget("frmgtagpexit", "cmdyes"), &held);
    EXPECT_EQ(app.quits, 0);
    EXPECT_FALSE(app.forms.ended());

    // A repeat that reaches the program as a release and a press of one timestamp, not marked
    // as a repeat (as X delivers it to a busy program), does nothing either: by Enter or Space.
    QWidget* yes = app.widget("frmgtagpexit", "cmdyes");
    for (const auto& [key, text] : {std::pair{Qt::Key_Return, QStringLiteral("\r")},
                                    std::pair{Qt::Key_Space, QStringLiteral(" ")}}) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        release.setTimestamp(5000);
        QApplication::sendEvent(yes, &release);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        press.setTimestamp(5000);
        QApplication::sendEvent(yes, &press);
        QKeyEvent lastRelease(QEvent::KeyRelease, key, Qt::NoModifier, text);
        lastRelease.setTimestamp(5400);
        QApplication::sendEvent(yes, &lastRelease);
        EXPECT_EQ(app.quits, 0) << text.toStdString();
    }
}

struct DialogCase {
    const char* owner;
    const char* focused;  // the owner's control that has the focus when the dialog opens
    std::function<void(QtApp&)> open;
    const char* dialog;
    const char* close;
};

TEST(FocusEdges, AGreyedWindowGetsBackTheControlThatHadTheFocus) {
    const std::vector<DialogCase> cases = {
        {"frmgtapick", "cmdexit", [](QtApp& a) { a.key("frmgtapick", Qt::Key_Space); },
         "frmgtagpexit", "cmdno"},
        {"frmgtapick", "cmdgtasa",
         [](QtApp& a) { a.key("frmgtapick", Qt::Key_P, Qt::ControlModifier); }, "frmaboutprogram",
         "cmdclosethiswindow"},
        {"frmgtapick", "cmdgtavc",
         [](QtApp& a) { a.key("frmgtapick", Qt::Key_E, Qt::ControlModifier); }, "frmsendemail",
         "cmdclosewindow"},
        {"frmgta3codepick", "cmdgta3vehicle",
         [](QtApp& a) { a.key("frmgta3codepick", Qt::Key_Return); }, "frm3notavailable",
         "cmdclosewindow"},
        {"frmgta3weapon", "cmdexit", [](QtApp& a) { a.clickButton("frmgta3weapon", "cmdexit"); },
         "frmgta3weaponexit", "cmdno"},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.dialog);
        QtApp app;
        app.forms.Show(c.owner);
        app.widget(c.owner, c.focused)->setFocus();
        c.open(app);
        QtApp::flush();
        ASSERT_TRUE(app.forms.isVisible(c.dialog));
        app.clickButton(c.dialog, c.close);
        QtApp::flush();
        ASSERT_FALSE(app.forms.isLoaded(c.dialog));
        EXPECT_EQ(app.focusName(c.owner), c.focused);
    }
}

}  // namespace

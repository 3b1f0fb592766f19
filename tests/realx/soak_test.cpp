// A seeded random walk over every window by keyboard alone, the clipboard keys included, with
// the clipboard holding whatever a desktop may hand over. Run under the sanitizers it must
// neither crash nor report, and the main chain never shows two of its windows at once.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <algorithm>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/qt_app.h"

namespace {

using testsupport::QtApp;

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    int weight = 1;
};

// Weighted towards what moves through the windows, so that the walk goes far.
const std::vector<Key> kKeys = {
    {Qt::Key_Tab, Qt::NoModifier, 12},
    {Qt::Key_Backtab, Qt::ShiftModifier, 4},
    {Qt::Key_Return, Qt::NoModifier, 6},
    {Qt::Key_Enter, Qt::KeypadModifier, 3},
    {Qt::Key_Space, Qt::NoModifier, 6},
    {Qt::Key_Escape, Qt::NoModifier, 1},
    {Qt::Key_Down, Qt::NoModifier, 4},
    {Qt::Key_Up, Qt::NoModifier, 2},
    {Qt::Key_End, Qt::NoModifier, 1},
    {Qt::Key_PageDown, Qt::NoModifier, 1},
    {Qt::Key_Home, Qt::ShiftModifier, 1},
    {Qt::Key_Backspace, Qt::NoModifier, 1},
    {Qt::Key_Delete, Qt::NoModifier, 1},
    {Qt::Key_Space, Qt::ControlModifier, 2},
    {Qt::Key_Return, Qt::ShiftModifier, 1},
    {Qt::Key_A, Qt::ControlModifier, 1},
    {Qt::Key_C, Qt::ControlModifier, 2},
    {Qt::Key_X, Qt::ControlModifier, 2},
    {Qt::Key_V, Qt::ControlModifier, 4},
    {Qt::Key_Insert, Qt::ShiftModifier, 2},
    {Qt::Key_Z, Qt::ControlModifier, 1},
    {Qt::Key_P, Qt::ControlModifier, 1},
    {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, 1},
    {Qt::Key_O, Qt::ControlModifier, 1},
    {Qt::Key_T, Qt::ControlModifier, 1},
    {Qt::Key_E, Qt::ControlModifier, 1},
    {Qt::Key_Y, Qt::AltModifier, 1},
    {Qt::Key_N, Qt::AltModifier, 1},
};

// Typed text: figures, letters, a "$", and characters that like to be changed on the way.
const QString kTyped = QStringLiteral("0123456789.-$aZ \u00e9\u00a0\u2028\u2029\u4e2d");

void fillClipboard(std::mt19937& random) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (random() % 6) {
        case 0:
            clipboard->clear();
            break;
        case 1:
            clipboard->setText(QStringLiteral("12.5\r\n-3\n\u2029\u00a0x"));
            break;
        case 2: {
            auto* rich = new QMimeData;
            rich->setHtml(QStringLiteral("<p>rich</p>"));
            clipboard->setMimeData(rich);
            break;
        }
        case 3: {
            auto* image = new QMimeData;
            image->setImageData(QImage(16, 16, QImage::Format_ARGB32));
            clipboard->setMimeData(image);
            break;
        }
        case 4:
            clipboard->setText(QString(50000, QLatin1Char('7')));
            break;
        default:
            clipboard->setText(QStringLiteral("$name"));
            break;
    }
}

bool isDialog(const std::string& window) {
    const auto endsWith = [&](const char* tail) {
        const std::string t = tail;
        return window.size() >= t.size() &&
               window.compare(window.size() - t.size(), t.size(), t) == 0;
    };
    return endsWith("exit") || endsWith("notavailable") || window == "frmsendemail" ||
           window == "frmthanks" || window.rfind("frmabout", 0) == 0;
}

// What a click on a window's title bar does: the window manager gives that window the
// keyboard. (A program's own request for it may be refused by the window manager's focus
// stealing prevention; a user's click never is.)
void clickTitleBar(QtApp& app, const std::string& window) {
    const QString id = QString::number(app.top(window)->winId());
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), id});
    app.waitActive(window);
}

// The shown window that has the keyboard, once the window system has settled which one.
std::string windowWithTheKeyboard(QtApp& app) {
    for (int waited = 0; waited < 2000; waited += 10) {
        for (const std::string& w : app.forms.visibleWindows()) {
            if (app.top(w)->isActiveWindow()) {
                return w;
            }
        }
        QTest::qWait(10);
    }
    return {};
}

TEST(KeyboardSoak, RandomKeysNeverCrashOrShowTwoChainWindows) {
    const unsigned seed = qEnvironmentVariableIsSet("QUARNIX_SOAK_SEED")
                              ? qEnvironmentVariable("QUARNIX_SOAK_SEED").toUInt()
                              : 20261209u;
    const int keyCount = 3000;
    std::cout << "seed " << seed << "\n";
    std::mt19937 random(seed);
    int totalWeight = 0;
    for (const Key& k : kKeys) {
        totalWeight += k.weight;
    }

    auto app = std::make_unique<QtApp>();
    app->forms.Show("frmgtapick");
    std::set<std::string> seen;
    int restarts = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < keyCount && clock.elapsed() < 45000; ++i) {
        SCOPED_TRACE("key " + std::to_string(i));
        const auto visible = app->forms.visibleWindows();
        if (app->quits > 0 || visible.empty()) {
            app.reset();
            app = std::make_unique<QtApp>();
            app->forms.Show("frmgtapick");
            ++restarts;
            continue;
        }
        int chain = 0;
        for (const std::string& w : visible) {
            seen.insert(w);
            chain += isDialog(w) ? 0 : 1;
        }
        ASSERT_LE(chain, 1) << "two windows of the main chain are shown";

        // The user types where the keyboard is: the program always leaves it with one of its
        // windows. Now and then a click on another window's title bar moves it there. (Asked
        // to activate the window that is active already, openbox under load can leave Qt
        // believing that none of its windows is.)
        std::string target = windowWithTheKeyboard(*app);
        ASSERT_FALSE(target.empty()) << "no window has the keyboard";
        if (random() % 10 == 0) {
            const std::string clicked = visible[random() % visible.size()];
            if (clicked != target) {
                target = clicked;
                clickTitleBar(*app, target);
            }
        }
        if (random() % 25 == 0) {
            fillClipboard(random);
        }
        if (random() % 5 == 0) {
            app->typeHere(target, kTyped.at(static_cast<qsizetype>(random() % kTyped.size())));
        } else {
            int pick = static_cast<int>(random() % static_cast<unsigned>(totalWeight));
            auto k = kKeys.begin();
            while (pick >= k->weight) {
                pick -= k->weight;
                ++k;
            }
            app->key(target, k->key, k->modifiers);
        }
        QtApp::flush();
        // A window that has just opened has the keyboard, once the window manager has done
        // what the program asked; the user's next key goes there.
        if (app->quits == 0) {
            const auto now = app->forms.visibleWindows();
            std::vector<std::string> opened;
            std::set_difference(now.begin(), now.end(), visible.begin(), visible.end(),
                                std::back_inserter(opened));
            if (opened.size() == 1) {
                ASSERT_TRUE(app->waitActive(opened.front()));
            }
        }
    }
    std::cout << "windows seen " << seen.size() << ", restarts " << restarts << ", "
              << clock.elapsed() << " ms\n";
    // The walk reaches far: the main window, pickers, creators, results and dialogs.
    EXPECT_GE(seen.size(), 20u);
}

}  // namespace

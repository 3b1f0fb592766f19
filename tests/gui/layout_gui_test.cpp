// Every window of the program, realised as real widgets: nothing is cut off or overlaps, every
// list shows its rows and every box can be seen, under whatever desktop style the tests run in.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>
#include <map>
#include <set>

#include "forms/qt/line_box.h"
#include "forms/qt/program_font.h"
#include "support/qt_app.h"

namespace {

using testsupport::QtApp;

// The widgets of a window that stand for its declared controls (a control array such as the
// composer's five "Label1" labels counts five times).
std::vector<QWidget*> declaredWidgets(QWidget* top, const forms::WindowLayout& layout) {
    std::set<QString> names;
    for (const auto& decl : layout.controls) {
        names.insert(QString::fromStdString(decl.name));
    }
    std::vector<QWidget*> widgets;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (names.count(w->objectName()) != 0) {
            widgets.push_back(w);
        }
    }
    return widgets;
}

// The colour most pixels of a run have: the fill or edge, not the text over it.
int commonGrey(const QImage& image, QPoint from, QPoint step, int count) {
    std::map<int, int> seen;
    for (QPoint p = from; count > 0; p += step, --count) {
        if (image.rect().contains(p)) {
            ++seen[qGray(image.pixel(p))];
        }
    }
    int best = 0;
    int most = -1;
    for (const auto& [level, times] : seen) {
        if (times > most) {
            best = level;
            most = times;
        }
    }
    return best;
}

// Whether a box can be told from its window, as a user sees it: its fill, or an edge on all
// four sides, differs from what surrounds it by at least 12 levels of grey. Measured on the
// window's pixels, at whatever scale the screen has.
void expectStandsOut(const QImage& window, QRect logical, const std::string& where) {
    // The box's pixels on the screen, which a scaled screen does not align with its own.
    const qreal ratio = window.devicePixelRatio();
    const QRect box(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                    QPoint(qRound((logical.right() + 1) * ratio) - 1,
                           qRound((logical.bottom() + 1) * ratio) - 1));
    constexpr int kContrast = 12;
    // What surrounds the box: two pixels outside it.
    const QRect around = box.adjusted(-2, -2, 2, 2);
    const int outside = commonGrey(window, around.topLeft() + QPoint(around.width() / 4, 0),
                                   QPoint(1, 0), around.width() / 2);
    const int fill = commonGrey(window, box.center() - QPoint(box.width() / 4, 0), QPoint(1, 0),
                                box.width() / 2);
    const bool fillStandsOut = std::abs(fill - outside) >= kContrast;
    struct Side {
        const char* name;
        QPoint start;
        QPoint inward;
        QPoint along;
        int length;
    };
    const int w = box.width();
    const int h = box.height();
    const Side sides[] = {
        {"top", box.topLeft() + QPoint(w / 4, 0), {0, 1}, {1, 0}, w / 2},
        {"bottom", box.bottomLeft() + QPoint(w / 4, 0), {0, -1}, {1, 0}, w / 2},
        {"left", box.topLeft() + QPoint(0, h / 4), {1, 0}, {0, 1}, h / 2},
        {"right", box.topRight() + QPoint(0, h / 4), {-1, 0}, {0, 1}, h / 2},
    };
    int framedSides = 0;
    for (const Side& side : sides) {
        const int outer = commonGrey(window, side.start, side.along, side.length);
        const int inner = commonGrey(window, side.start + side.inward, side.along, side.length);
        // Where the fill cannot be told from the window, each side needs an edge in one of its
        // two outer lines of pixels.
        if (!fillStandsOut) {
            EXPECT_GE(std::max(std::abs(outer - outside), std::abs(inner - outside)), kContrast)
                << where << ": cannot be told from its window at its " << side.name
                << " edge (window " << outside << ", fill " << fill << ", edge " << outer << "/"
                << inner << ")";
        }
        const auto isLine = [&](int level) {
            return std::abs(level - outside) >= kContrast && std::abs(level - fill) >= kContrast;
        };
        framedSides += isLine(outer) || isLine(inner) ? 1 : 0;
    }
    // On a screen scaled by a fraction a line along a box's last pixel falls between device
    // pixels, where the list or text inside may cover it; a one-line frame (Fusion's, which
    // the scaled run uses) must still show on all four sides.
    if (ratio != std::floor(ratio)) {
        EXPECT_TRUE(framedSides == 0 || framedSides == 4)
            << where << ": a frame on " << framedSides << " of its four sides";
    }
}

void expectTextFits(QWidget* w, const std::string& where) {
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty()) {
            return;  // a picture
        }
        const QRect needed = metrics.boundingRect(
            label->rect(), Qt::TextWordWrap | label->alignment(), label->text());
        EXPECT_LE(needed.height(), label->height()) << where << ": the label's last line is cut";
        EXPECT_LE(needed.width(), label->width()) << where;
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        EXPECT_LE(metrics.horizontalAdvance(group->title()), group->width()) << where;
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_GE(child->y(), metrics.height()) << where << ": below the frame's caption";
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty()) {
            return;  // a picture button
        }
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .adjusted(2, 0, -2, 0);
        const QRect needed = metrics.boundingRect(
            area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
        EXPECT_TRUE(area.contains(needed)) << where << ": caption wider or taller than the button";
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const int room = list->viewport()->width();
        for (int row = 0; row < list->count(); ++row) {
            EXPECT_LE(metrics.horizontalAdvance(list->item(row)->text()) + 8, room)
                << where << ": entry " << list->item(row)->text().toStdString();
        }
        // Rows follow the layouts' line pitch of 13 pixels whatever the desktop's style, so
        // that a list shows as many entries as it was drawn for: a short list all of them.
        EXPECT_EQ(list->sizeHintForRow(0), 13) << where;
        EXPECT_GE(list->sizeHintForRow(0), metrics.height()) << where << ": rows cut their text";
        const int rowsDrawn = (list->height() - 2) / 13;
        EXPECT_GE(list->viewport()->height() / list->sizeHintForRow(0),
                  std::min(list->count(), rowsDrawn))
            << where << ": shows fewer rows than it was drawn for";
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        // A box's own text keeps its lines: none wraps, so no word stands alone on a line.
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            EXPECT_LE(block.lineCount(), 1)
                << where << ": \"" << block.text().toStdString() << "\" wraps";
        }
        // Multi-line boxes have no scroll bars: every line of their text must be in view.
        QTextBlock last = box->document()->lastBlock();
        while (last.isValid() && last.text().isEmpty()) {
            last = last.previous();
        }
        if (last.isValid()) {
            QTextCursor end(last);
            end.movePosition(QTextCursor::EndOfBlock);
            EXPECT_LE(box->cursorRect(end).bottom(), box->viewport()->height()) << where;
        }
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        // The text sits centred in the room inside the frame; Qt's size hint adds margins of
        // its own that a tall font need not have.
        QStyleOptionFrame option;
        option.initFrom(line);
        option.lineWidth = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line);
        const QRect room =
            line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
        EXPECT_GE(room.height(), metrics.height()) << where << ": the text is cut";
        // Two pixels of the line edit's own either side.
        EXPECT_LE(metrics.horizontalAdvance(line->text()) + 4, room.width())
            << where << ": \"" << line->text().toStdString() << "\" does not show whole";
        auto* limited = qobject_cast<forms::qt::LineBox*>(line);
        if (limited != nullptr && limited->maxCharacters() == 7) {
            EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("-0000.0")) + 8, line->width())
                << where << ": a coordinate does not show whole";
        }
    }
}

TEST(LayoutGui, EveryWindowShowsEveryCaptionInFullWithNothingOverlapping) {
    QtApp app;
    int windows = 0;
    for (const std::string& name : app.forms.definedWindows()) {
        SCOPED_TRACE(name);
        app.forms.Show(name);
        QWidget* top = app.top(name);
        const auto& layout = app.forms.definition(name).layout;
        if (!layout.borderless) {
            EXPECT_EQ(top->windowTitle().toStdString(), layout.caption);
            EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "fixed size";
        }
        const std::vector<QWidget*> widgets = declaredWidgets(top, layout);
        QApplication::processEvents();
        const QImage pixels = top->grab().toImage();
        for (QWidget* w : widgets) {
            const std::string where = w->objectName().toStdString();
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                << where << " sticks out of its window or frame";
            for (QWidget* other : widgets) {
                if (other != w && other->parentWidget() == w->parentWidget()) {
                    EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                        << where << " overlaps " << other->objectName().toStdString();
                }
            }
            expectTextFits(w, where);
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                qobject_cast<QListWidget*>(w)) {
                expectStandsOut(pixels, QRect(w->mapTo(top, QPoint(0, 0)), w->size()), where);
            }
        }
        ++windows;
        // Hide rather than unload: the program would end with its last window.
        top->hide();
    }
    EXPECT_EQ(windows, 54);
}

// A platform theme hands out the desktop's font after the program has set its own: for the
// whole application and per kind of control, and again whenever the desktop's settings change.
// Neither may reach a window, shown before or after.
TEST(LayoutGui, WindowsKeepTheProgramFontWhenTheDesktopHandsOutAnother) {
    QtApp app;
    const QFont program = forms::qt::programFont();
    const QFont before = QApplication::font();
    app.forms.Show("frmgta3weapon");
    QFont desktop(QStringLiteral("DejaVu Sans"), 20);
    desktop.setBold(true);
    QApplication::setFont(desktop);
    QApplication::setFont(desktop, "QLabel");
    QApplication::setFont(desktop, "QAbstractItemView");
    app.forms.Show("frmsendemail");
    QApplication::processEvents();
    for (const std::string window : {"frmgta3weapon", "frmsendemail"}) {
        for (QWidget* w : declaredWidgets(app.top(window), app.forms.definition(window).layout)) {
            if (qobject_cast<QPlainTextEdit*>(w) == nullptr) {  // fitted to its own text
                EXPECT_EQ(w->font().toString(), program.toString())
                    << window << "." << w->objectName().toStdString();
            }
        }
    }
    QApplication::setFont(before);
}

}  // namespace

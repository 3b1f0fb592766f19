#include "forms/qt/layout_style.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "forms/qt/twips.h"
#include "forms/text_metrics.h"

namespace forms::qt {

namespace {

// The boxes and lists of the layouts: the controls whose frame, margins and rows the layouts
// size.
bool isBox(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}

// One layout line in device-independent pixels, as the list rows are spaced.
int rowHeight() {
    return px(kLayoutText.lineHeightTwips);
}

// How far apart two colours are in levels of grey.
int difference(const QColor& a, const QColor& b) {
    return std::abs(qGray(a.rgb()) - qGray(b.rgb()));
}

// An edge for a box that the desktop's style draws without one: a third of the way from the
// window's colour to its text's, as a desktop draws its own frames.
QColor edgeColour(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    QColor edge = QColor::fromRgbF(window.redF() + (text.redF() - window.redF()) / 3,
                                   window.greenF() + (text.greenF() - window.greenF()) / 3,
                                   window.blueF() + (text.blueF() - window.blueF()) / 3);
    if (difference(edge, window) < kControlMetrics.minimumContrast) {
        // A palette whose text is hardly its window's colour: fall back to plain contrast.
        edge = qGray(window.rgb()) > 127 ? QColor(Qt::black) : QColor(Qt::white);
    }
    return edge;
}

// An edge one pixel wide, filled over the box's outermost pixels. On a screen scaled by a
// fraction a line drawn along the last pixel falls between device pixels, and the list or text
// inside, which is drawn after it, covers half of it or all; a filled pixel always keeps its
// outer device row.
void drawEdge(const QRect& rect, const QColor& colour, QPainter* painter) {
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

bool scaledByAFraction(const QPainter* painter) {
    const qreal ratio = painter->device()->devicePixelRatio();
    return ratio != std::floor(ratio);
}

}  // namespace

LayoutStyle::LayoutStyle(QStyle* desktop) : QProxyStyle(desktop) {}

int LayoutStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int desktop = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_DefaultFrameWidth && isBox(widget)) {
        return std::min(desktop, kControlMetrics.frame);
    }
    return desktop;
}

QSize LayoutStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& contents, const QWidget* widget) const {
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    if (type == CT_ItemViewItem) {
        // List rows follow the layouts' line pitch, as long as a line of text fits in it.
        const int text = option != nullptr ? option->fontMetrics.height() : 0;
        size.setHeight(std::max(rowHeight(), text));
    }
    return size;
}

QRect LayoutStyle::subElementRect(SubElement element, const QStyleOption* option,
                                  const QWidget* widget) const {
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (option == nullptr) {
        return rect;
    }
    // Inside at most the layouts' borders, so that a one-line box has room for its text and a
    // button for its caption's lines.
    const auto within = [&](int border) {
        return rect.united(option->rect.adjusted(border, border, -border, -border));
    };
    if (element == SE_LineEditContents) {
        return within(kControlMetrics.frame);
    }
    if (element == SE_PushButtonContents) {
        return within(kControlMetrics.buttonBorder);
    }
    return rect;
}

std::optional<QColor> LayoutStyle::desktopEdge(bool panel, const QStyleOption* option,
                                               const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (frame == nullptr) {
        return std::nullopt;
    }
    const EdgeKey key{panel, option->rect.width(), option->rect.height(),
                      option->palette.cacheKey(),
                      static_cast<int>(option->state & (State_Enabled | State_HasFocus))};
    if (auto known = edges_.find(key); known != edges_.end()) {
        return known->second;
    }
    // Draw the box as the desktop's style would on its window's colour, and look.
    const QColor window = option->palette.color(QPalette::Window);
    QImage image(option->rect.size(), QImage::Format_RGB32);
    image.fill(window);
    {
        QStyleOptionFrame probe(*frame);
        probe.rect = image.rect();
        QPainter painter(&image);
        if (panel) {
            baseStyle()->drawPrimitive(PE_PanelLineEdit, &probe, &painter, widget);
        } else {
            baseStyle()->drawControl(CE_ShapedFrame, &probe, &painter, widget);
            // The list or text inside covers all but our frame's width.
            const int f = kControlMetrics.frame;
            painter.fillRect(image.rect().adjusted(f, f, -f, -f),
                             option->palette.color(QPalette::Base));
        }
    }
    // Each side needs a line that stands out in its two outer pixels: by twice the least
    // contrast, as the box may stand on a frame's fill a little off the window's colour.
    const int w = image.width();
    const int h = image.height();
    const auto sideLine = [&](QPoint at, QPoint inward) -> std::optional<QColor> {
        for (int depth = 0; depth < 2; ++depth, at += inward) {
            if (image.rect().contains(at) &&
                difference(image.pixelColor(at), window) >= 2 * kControlMetrics.minimumContrast) {
                return image.pixelColor(at);
            }
        }
        return std::nullopt;
    };
    std::optional<QColor> edge;
    if (w > 4 && h > 4 && sideLine({w / 2, h - 1}, {0, -1}) && sideLine({0, h / 2}, {1, 0}) &&
        sideLine({w - 1, h / 2}, {-1, 0})) {
        edge = sideLine({w / 2, 0}, {0, 1});
    }
    edges_.emplace(key, edge);
    return edge;
}

void LayoutStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && isBox(widget) && !desktopEdge(true, option, widget)) {
        drawEdge(option->rect, edgeColour(option->palette), painter);
    }
}

void LayoutStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const bool boxFrame = element == CE_ShapedFrame && isBox(widget);
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(widget);
        area != nullptr && boxFrame) {
        // The fill behind the list or text, which the box draws instead of its inner part.
        painter->fillRect(area->viewport()->geometry(), option->palette.brush(QPalette::Base));
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!boxFrame) {
        return;
    }
    if (const auto edge = desktopEdge(false, option, widget)) {
        // The desktop's own line, drawn again where it would fall between device pixels.
        if (scaledByAFraction(painter)) {
            drawEdge(option->rect, *edge, painter);
        }
    } else {
        drawEdge(option->rect, edgeColour(option->palette), painter);
    }
}

void LayoutStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        // Some styles pad the text further in; a box of three or seven characters has no
        // room for that.
        line->setTextMargins(0, 0, 0, 0);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        // The text sits close to the frame, as in the boxes the layouts were drawn with.
        box->document()->setDocumentMargin(kControlMetrics.textMargin);
    }
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget); area != nullptr && isBox(area)) {
        // On a screen scaled by a fraction Qt takes the inner part's rounded-out pixels from
        // the box's own drawing but fills only its rounded ones, so that a row or column of
        // the frame is drawn by neither. The box fills it instead (drawControl).
        area->viewport()->setAutoFillBackground(false);
    }
}

void applyLayoutStyle() {
    if (qobject_cast<LayoutStyle*>(QApplication::style()) != nullptr) {
        return;
    }
    // A fresh instance of the desktop's style, since the proxy takes ownership of its base.
    QStyle* desktop = QStyleFactory::create(QApplication::style()->name());
    if (desktop == nullptr) {
        desktop = QStyleFactory::create(QStringLiteral("Fusion"));
    }
    QApplication::setStyle(new LayoutStyle(desktop));
}

}  // namespace forms::qt

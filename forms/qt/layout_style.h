// The desktop's own style, held to the sizes the layouts were drawn for. A desktop style
// (Breeze, Adwaita, ...) brings taller list rows, wider frames and box margins, and sometimes
// no frame at all on a small box; the fixed layouts would then lose rows, cut text or show
// boxes that cannot be told from their window. Everything a style may change about the
// controls' metrics is decided here, and nowhere else; the look (colours, buttons, menus) stays
// the desktop's.
#pragma once

#include <QColor>
#include <QProxyStyle>
#include <map>
#include <optional>

namespace forms::qt {

// The metrics of the controls the layouts were drawn for, in device-independent pixels.
struct ControlMetrics {
    // The border of a box or list, as thin as a desktop draws it: every pixel more would come
    // off the rows and text lines the boxes were drawn to hold.
    int frame = 1;
    // Between a button's edge and its caption.
    int buttonBorder = 2;
    // Between a multi-line box's border and its text.
    int textMargin = 1;
    // How far a box's fill or edge must differ from its window, in levels of grey out of 255,
    // to be seen against it.
    int minimumContrast = 12;
    // Below this text would be too small to read; a font that does not fit even then is used
    // at this size.
    int smallestText = 8;
};

inline constexpr ControlMetrics kControlMetrics{};

class LayoutStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes the desktop's style; the proxy owns it.
    explicit LayoutStyle(QStyle* desktop);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

private:
    // The edge the desktop's style gives a box of this size and colours, if it can be seen;
    // where it gives none, the box gets one of ours. `panel`: a one-line box's panel, else the
    // frame of a list or multi-line box.
    std::optional<QColor> desktopEdge(bool panel, const QStyleOption* option,
                                      const QWidget* widget) const;

    struct EdgeKey {
        bool panel;
        int width;
        int height;
        qint64 palette;
        int state;
        auto operator<=>(const EdgeKey&) const = default;
    };
    mutable std::map<EdgeKey, std::optional<QColor>> edges_;
};

// Puts the desktop's current style under a LayoutStyle for the whole program.
void applyLayoutStyle();

}  // namespace forms::qt

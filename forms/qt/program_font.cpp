#include "forms/qt/program_font.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "forms/qt/layout_style.h"
#include "forms/qt/twips.h"
#include "forms/text_metrics.h"

namespace forms::qt {

namespace {

std::optional<QFont>& fitted() {
    static std::optional<QFont> font;
    return font;
}

// The desktop's font at the largest size whose text takes no more room than the layouts give.
QFont fitLayoutText(QFont font) {
    // Pixel sizes, not points: the layouts are in pixels at 96 DPI whatever the desktop's
    // logical DPI, and Qt scales both for high-DPI screens alike.
    const int nominal = px(kLayoutText.sizeTwips);
    const double lineHeight = kLayoutText.lineHeightTwips / 15.0;
    const double letterSpan = kLayoutText.letterSpanTwips / 15.0;
    const QString letters = QString::fromLatin1(kLetterSpanSample);
    for (int size = nominal; size >= kControlMetrics.smallestText; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        if (metrics.height() <= lineHeight && metrics.lineSpacing() <= lineHeight &&
            metrics.horizontalAdvance(letters) <= letterSpan) {
            return font;
        }
    }
    return font;
}

}  // namespace

void applyProgramFont() {
    // A family made to the metrics of the one the layouts were drawn for fits them best at
    // full size; otherwise the desktop's default family, made small enough to fit.
    const QFont desktop = QApplication::font();
    QFont best = fitLayoutText(desktop);
    for (const QString& family : {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}) {
        QFont metricCompatible = desktop;
        metricCompatible.setFamilies({family});
        if (QFontInfo(metricCompatible).family() != family) {
            continue;  // not installed; fontconfig gave a substitute
        }
        metricCompatible = fitLayoutText(metricCompatible);
        if (metricCompatible.pixelSize() > best.pixelSize()) {
            best = metricCompatible;
        }
        break;
    }
    // Every property is the program's own, so that none falls through to a font that a theme
    // gives a kind of control (a bold menu bar, a wider list font).
    best.setResolveMask(QFont::AllPropertiesResolved);
    fitted() = best;
    QApplication::setFont(best);
}

QFont programFont() {
    return fitted().value_or(QApplication::font());
}

void holdProgramFont(QWidget* window) {
    if (fitted()) {
        window->setFont(*fitted());
    }
}

void fitLinesOfLayoutText(QPlainTextEdit* box, const QString& layoutText) {
    const qreal room =
        box->width() - 2 * box->frameWidth() - 2 * kControlMetrics.textMargin - box->cursorWidth();
    QStringList lines = layoutText.split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        // A blank at the end of a line hangs past the edge, as in any word wrap.
        while (line.endsWith(u' ')) {
            line.chop(1);
        }
    }
    QFont font = box->font();
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const auto fits = [&] {
        const QFontMetricsF metrics(font);
        return std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= room;
        });
    };
    while (!fits() && size > kControlMetrics.smallestText) {
        font.setPixelSize(--size);
    }
    if (font != box->font()) {
        box->setFont(font);
    }
}

}  // namespace forms::qt

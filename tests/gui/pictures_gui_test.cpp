// The pictures at both resolutions, and which one a screen's scale gets.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "forms/qt/pictures.h"

namespace {

using forms::qt::picture;
using forms::qt::pictureIcon;

struct Drawn {
    const char* name;
    QSize size;  // device-independent pixels, as the layouts place the picture
};

const Drawn kPictures[] = {
    {"splash", {333, 227}}, {"gta3", {200, 200}}, {"gtavc", {200, 200}},
    {"gtasa", {200, 200}},  {"icon", {80, 80}},
};

QImage pixels(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Paints the icon over the picture's own area on a canvas of the given scale, as a widget on
// such a screen does.
QImage paintedAt(const QIcon& icon, QSize size, qreal ratio) {
    QPixmap canvas(size * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::magenta);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(QPoint(0, 0), size));
    painter.end();
    return pixels(canvas);
}

TEST(PicturesGui, UnscaledScreenGetsThePictureAsLaidOut) {
    for (const auto& [name, size] : kPictures) {
        SCOPED_TRACE(name);
        const QPixmap plain = picture(name, 1.0);
        EXPECT_EQ(plain.size(), size);
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    }
}

TEST(PicturesGui, ScaledScreenGetsTwiceThePixelsInTheSameRoom) {
    for (const auto& [name, size] : kPictures) {
        // Fractional scales too: shrinking the big file beats enlarging the small one.
        for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(ratio));
            const QPixmap sharp = picture(name, ratio);
            EXPECT_EQ(sharp.size(), size * 2);
            EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
            EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(size));
        }
    }
}

TEST(PicturesGui, IconDrawsFromTheFileThatFitsTheScreen) {
    // This program runs unscaled: a plain QIcon(file) would hold no @2x file here, and a window
    // moved to a scaled screen would show the small picture enlarged.
    for (const auto& [name, size] : kPictures) {
        SCOPED_TRACE(name);
        const QIcon icon = pictureIcon(name);
        const QImage sharp = paintedAt(icon, size, 2.0);
        EXPECT_EQ(sharp.size(), size * 2);
        EXPECT_EQ(sharp, pixels(picture(name, 2.0)));
        const QImage plain = paintedAt(icon, size, 1.0);
        EXPECT_EQ(plain.size(), size);
        EXPECT_EQ(plain, pixels(picture(name, 1.0)));
    }
}

}  // namespace

#include "forms/qt/pictures.h"

#include <QString>

namespace forms::qt {

namespace {

QString path(const std::string& name, bool twice) {
    return QStringLiteral(":/pictures/") + QString::fromStdString(name) +
           (twice ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

}  // namespace

QPixmap picture(const std::string& name, qreal devicePixelRatio) {
    // Any ratio above 1 takes the big file: shrinking it loses less than enlarging the small
    // one. Qt's image reader gives an "@2x" file a device pixel ratio of 2 by itself.
    return QPixmap(path(name, devicePixelRatio > 1.0));
}

QIcon pictureIcon(const std::string& name) {
    // QIcon(file) adds the "@2x" file only if a scaled screen is attached when the icon is
    // made; adding both here keeps windows sharp on a scaled screen attached later.
    QIcon icon;
    icon.addPixmap(QPixmap(path(name, false)));
    icon.addPixmap(QPixmap(path(name, true)));
    return icon;
}

}  // namespace forms::qt

// The program's pictures from the resources. Each is drawn twice, <name>.png and <name>@2x.png;
// the second serves screens scaled above 1 so that the pictures stay sharp there.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

namespace forms::qt {

// The picture for a screen of the given device pixel ratio. Whichever file it comes from, its
// size in device-independent pixels is that of the 1x picture.
QPixmap picture(const std::string& name, qreal devicePixelRatio);

// The picture as an icon holding both files, so that it is drawn from the one that fits the
// screen it is painted on, whatever screens there were when it was made.
QIcon pictureIcon(const std::string& name);

}  // namespace forms::qt

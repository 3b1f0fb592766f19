// The desktop look a test runs under, set from the environment as a desktop session would set
// it: QT_STYLE_OVERRIDE picks the style (Qt applies it), QUARNIX_COLOR_SCHEME names a KDE
// colour scheme file that is applied as Plasma's integration applies the user's scheme, and
// QUARNIX_EXPECT_STYLE names the style that must be in force, since Qt falls back to its own
// style without a word when the one asked for is not installed. In a desktop session
// (tests/realx/session-look.sh) the platform theme brings the look, and
// QUARNIX_EXPECT_DESKTOP_FONT names the font it must hand out, for the same reason.
#pragma once

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QPalette>
#include <QStyle>
#include <QTest>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace testsupport {

namespace detail {

// A colour scheme's sections ("Colors:View") with their keys ("BackgroundNormal") and colours.
using Scheme = QMap<QString, QMap<QString, QColor>>;

inline Scheme readScheme(QFile& file) {
    Scheme scheme;
    QString section;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            section = line.mid(1, line.indexOf(u']') - 1);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QStringList rgb = line.mid(equals + 1).split(u',');
        if (equals > 0 && rgb.size() == 3) {
            scheme[section][line.left(equals)] =
                QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
        }
    }
    return scheme;
}

}  // namespace detail

// Applies the look; false, with a message, where it cannot be had.
inline bool applyDesktopLook() {
    const QString schemeFile = qEnvironmentVariable("QUARNIX_COLOR_SCHEME");
    if (!schemeFile.isEmpty()) {
        QFile file(schemeFile);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "colour scheme %s is not installed\n", qPrintable(schemeFile));
            return false;
        }
        const detail::Scheme s = detail::readScheme(file);
        const auto colour = [&](const char* section, const char* key) {
            return s.value(QLatin1String(section)).value(QLatin1String(key));
        };
        QPalette palette(colour("Colors:Button", "BackgroundNormal"),
                         colour("Colors:Window", "BackgroundNormal"));
        for (auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Window, colour("Colors:Window", "BackgroundNormal"));
            palette.setColor(group, QPalette::WindowText,
                             colour("Colors:Window", "ForegroundNormal"));
            palette.setColor(group, QPalette::Base, colour("Colors:View", "BackgroundNormal"));
            palette.setColor(group, QPalette::AlternateBase,
                             colour("Colors:View", "BackgroundAlternate"));
            palette.setColor(group, QPalette::Text, colour("Colors:View", "ForegroundNormal"));
            palette.setColor(group, QPalette::ButtonText,
                             colour("Colors:Button", "ForegroundNormal"));
            palette.setColor(group, QPalette::Highlight,
                             colour("Colors:Selection", "BackgroundNormal"));
            palette.setColor(group, QPalette::HighlightedText,
                             colour("Colors:Selection", "ForegroundNormal"));
        }
        // Greyed controls keep their backgrounds; their text fades towards them.
        palette.setColor(QPalette::Disabled, QPalette::Window,
                         colour("Colors:Window", "BackgroundNormal"));
        palette.setColor(QPalette::Disabled, QPalette::Base,
                         colour("Colors:View", "BackgroundNormal"));
        palette.setColor(QPalette::Disabled, QPalette::WindowText,
                         colour("Colors:Window", "ForegroundInactive"));
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         colour("Colors:View", "ForegroundInactive"));
        palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                         colour("Colors:Button", "ForegroundInactive"));
        QApplication::setPalette(palette);
    }
    const QString expected = qEnvironmentVariable("QUARNIX_EXPECT_STYLE");
    if (!expected.isEmpty() &&
        QApplication::style()->name().compare(expected, Qt::CaseInsensitive) != 0) {
        std::fprintf(stderr, "the style %s is not installed (Qt gave %s)\n", qPrintable(expected),
                     qPrintable(QApplication::style()->name()));
        return false;
    }
    const QString font = qEnvironmentVariable("QUARNIX_EXPECT_DESKTOP_FONT");
    if (!font.isEmpty() && QApplication::font().family() != font) {
        std::fprintf(stderr,
                     "the desktop's platform theme is not in force: it should give %s, "
                     "Qt gave %s\n",
                     qPrintable(font), qPrintable(QApplication::font().family()));
        return false;
    }
    return true;
}

// Some platform themes hand shown windows the desktop's font only once the first window is
// up (GTK's reads its settings then). Waits for that on a window of the test's own, so that
// the program's windows meet the theme as a user's do; where the theme leaves shown windows
// alone, it waits two seconds for nothing.
inline void settleSessionTheme() {
    const QString font = qEnvironmentVariable("QUARNIX_EXPECT_DESKTOP_FONT");
    if (font.isEmpty()) {
        return;
    }
    auto probe = std::make_unique<QLabel>(QStringLiteral("probe"));
    probe->show();
    static_cast<void>(QTest::qWaitFor([&] { return probe->font().family() == font; }, 2000));
}

}  // namespace testsupport

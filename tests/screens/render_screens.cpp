// Renders every window of the program to a PNG (one file per window, named after it), with a
// drawn title bar showing the caption, so all windows can be looked at without clicking.
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "app/windows.h"
#include "forms/qt/program_font.h"
#include "forms/qt/qt_backend.h"
#include "forms/runtime.h"
#include "support/desktop_look.h"

namespace {

QPixmap withTitleBar(QWidget* top) {
    const QPixmap client = top->grab();
    if (top->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        return client;
    }
    // On a scaled screen the grab holds more pixels than the window's size; the frame is drawn
    // at the same scale so that it lines up and stays as sharp as the window.
    const qreal ratio = client.devicePixelRatio();
    const QSize size = client.deviceIndependentSize().toSize();
    // The program's font, not whatever a session's theme has made the application's.
    const QFontMetrics metrics(forms::qt::programFont());
    const int bar = metrics.height() + 10;
    QPixmap framed(QSize(size.width() + 2, size.height() + bar + 1) * ratio);
    framed.setDevicePixelRatio(ratio);
    framed.fill(QColor(90, 90, 90));
    QPainter painter(&framed);
    painter.setFont(forms::qt::programFont());
    painter.fillRect(1, 1, size.width(), bar - 1, QColor(40, 70, 140));
    top->windowIcon().paint(&painter, QRect(4, 3, bar - 6, bar - 6));
    painter.setPen(Qt::white);
    // The close box: the only title-bar button these windows have.
    painter.drawText(QRect(size.width() - bar, 1, bar, bar - 1), Qt::AlignCenter,
                     QStringLiteral("X"));
    const QRect captionArea(bar + 2, 1, size.width() - 2 * bar - 4, bar - 1);
    const QString caption = top->windowTitle();
    painter.drawText(captionArea, Qt::AlignVCenter | Qt::AlignLeft,
                     metrics.elidedText(caption, Qt::ElideRight, captionArea.width()));
    painter.drawPixmap(1, bar, client);
    return framed;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (!testsupport::applyDesktopLook()) {
        return 1;
    }
    forms::qt::applyProgramFont();
    testsupport::settleSessionTheme();
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(outDir);

    forms::qt::QtBackend backend;
    backend.onQuit = [] {};
    backend.urlOpener = [](const QUrl&) { return true; };
    forms::Forms forms(backend);
    app::defineAllWindows(forms);

    int written = 0;
    for (const std::string& name : forms.definedWindows()) {
        forms.Show(name);
        QWidget* top = forms::qt::topLevelWidget(forms[name].native());
        QApplication::processEvents();
        const QString file = outDir + QLatin1Char('/') + QString::fromStdString(name) + ".png";
        if (!withTitleBar(top).save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
        ++written;
        // Hide rather than unload, so the last window going does not end the program.
        top->hide();
    }
    std::printf("%d windows rendered to %s\n", written, qPrintable(outDir));
    return written > 0 ? 0 : 1;
}

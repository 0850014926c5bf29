#include "screensourcex11.h"

#include "screengrab.h"

#include <QGuiApplication>
#include <QScreen>

namespace QMWidgets {

const QString ScreenSourceX11::sourceName = QStringLiteral("x11");

void ScreenSourceX11::start()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPixmap pixmap = screen ? grabPrimaryScreen(GrabMethod::Automatic) : QPixmap();
    if (pixmap.isNull()) {
        finish({}, tr("The screen could not be captured."));
        return;
    }
    finish({ScreenStill{screen->name(), screen->geometry(), pixmap, screen->devicePixelRatio()}},
           QString());
}

} // namespace QMWidgets

#include "smallscreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace QMWidgets {

bool isSmallScreenSize(const QSize &desktop)
{
    return desktop.width() < 480 || desktop.height() < 480;
}

bool isSmallScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen && isSmallScreenSize(screen->geometry().size());
}

} // namespace QMWidgets

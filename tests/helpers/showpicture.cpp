// showpicture <picture> [screen]: shows a picture from the desktop's top-left corner across all its
// screens, one image pixel per screen pixel, bypassing any window manager, and prints "ready" once
// painted: tests put known pixels on an X server this way. On Wayland it covers one screen: the
// one named, or the primary.
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <utility>

class PictureWindow final : public QWidget
{
public:
    QImage picture;
    bool announced = false;
    PictureWindow() : QWidget(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).drawImage(0, 0, picture);
        if (!std::exchange(announced, true)) // the server has the pixels a moment later
            QTimer::singleShot(200, [] { std::printf("ready\n"), std::fflush(stdout); });
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    PictureWindow window;
    window.picture = QImage(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (window.picture.isNull())
        return 1;
    window.setGeometry(QGuiApplication::primaryScreen()->virtualGeometry());
    // A Wayland client cannot place itself; covering the output is how it shows the picture.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        for (QScreen *screen : QGuiApplication::screens())
            if (argc > 2 && screen->name() == QLatin1String(argv[2]))
                window.winId(), window.windowHandle()->setScreen(screen);
        window.showFullScreen();
    } else
        window.show();
    return app.exec();
}

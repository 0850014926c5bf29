// Shows a picture at the screen's top-left corner, one image pixel per screen pixel, in a window
// that bypasses any window manager, then prints "ready" once it has been painted. Tests put known
// pixels on an Xvfb screen this way.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

class PictureWindow final : public QWidget
{
public:
    explicit PictureWindow(const QImage &image)
        : QWidget(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint), picture(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, picture);
        if (!announced) {
            announced = true;
            QTimer::singleShot(200, [] {
                std::printf("ready\n");
                std::fflush(stdout);
            });
        }
    }

private:
    QImage picture;
    bool announced = false;
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull())
        return 1;
    PictureWindow window(image);
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.show();
    return app.exec();
}

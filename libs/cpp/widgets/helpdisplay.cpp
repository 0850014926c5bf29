#include "helpdisplay.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

namespace QMWidgets {

QString slideFileForRatio(const QString &path, int ratio)
{
    if (ratio < 2)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return path;
    const QString candidate = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
    return QFileInfo::exists(candidate) ? candidate : path;
}

QImage fittedSlide(const QImage &picture, const QSize &area, int ratio)
{
    if (picture.isNull() || area.isEmpty())
        return QImage();
    const int r = qMax(1, ratio);
    QImage scaled = picture.scaled(area * r, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(r);
    return scaled;
}

QPoint slideOffset(const QSize &area, const QSize &drawnSize)
{
    return QPoint((area.width() - drawnSize.width()) / 2, (area.height() - drawnSize.height()) / 2);
}

HelpDisplay::HelpDisplay(QWidget *parent) : QFrame(parent) {}

HelpDisplay::~HelpDisplay() = default;

void HelpDisplay::setSlidePath(const QString &path)
{
    slidePath = path;
    update();
}

void HelpDisplay::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (slidePath.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.fillRect(rect(), Qt::black);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const int ratio = screen ? int(screen->devicePixelRatio()) : 1;
    QImageReader reader(slideFileForRatio(slidePath, ratio));
    const QImage slide = fittedSlide(reader.read(), size(), ratio);
    if (slide.isNull())
        return;
    const QSize drawn = slide.size() / slide.devicePixelRatio();
    painter.drawImage(slideOffset(size(), drawn), slide);
}

} // namespace QMWidgets

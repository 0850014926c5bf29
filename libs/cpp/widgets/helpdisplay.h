#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

namespace QMWidgets {

// The picture file for a device-pixel ratio: "name@2x.png" beside "name.png" when the ratio is
// 2 or more and such a file exists, else the path itself.
QString slideFileForRatio(const QString &path, int ratio);
// The slide scaled smoothly to fit the area, aspect kept, at ratio times the resolution and
// marked with that device-pixel ratio, so it is drawn at the area's logical size.
QImage fittedSlide(const QImage &picture, const QSize &area, int ratio);
// Where a fitted slide of that logical size is drawn: centred in the area.
QPoint slideOffset(const QSize &area, const QSize &drawnSize);

// The picture of the current introduction slide, centred on black.
class HelpDisplay final : public QFrame
{
    Q_OBJECT

public:
    explicit HelpDisplay(QWidget *parent = nullptr);
    ~HelpDisplay() override;

    void setSlidePath(const QString &path);
    QString slide() const { return slidePath; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString slidePath;
};

} // namespace QMWidgets

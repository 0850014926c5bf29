#pragma once

#include "screensource.h"

#include <QByteArray>
#include <QVariantMap>

#include <memory>
#include <vector>

class QDBusPendingCallWatcher;
class QSocketNotifier;
class QTimer;

namespace QMWidgets {

// The picture KWin writes into a pipe, as its reply describes it ("type" raw, "width", "height",
// "stride", "format" a QImage::Format value): only 32-bit layouts are read, and only when the
// bytes are exactly what the description promises; anything else gives a null image. The result
// is opaque, as a screen is.
QImage kwinRawImage(const QVariantMap &description, const QByteArray &bytes);

// Each screen from KWin's own screenshot interface (org.kde.KWin.ScreenShot2), without the
// pointer and at the screen's own resolution. KWin answers only programs that a desktop file
// names with X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2 (the installed menu entry
// does); others, such as a build run from its build folder, are refused and the next source is
// asked.
class ScreenSourceKWin final : public ScreenSource
{
    Q_OBJECT

public:
    static const QString sourceName;
    // KWin hands a screen over within a frame or two when it takes the call at all; beyond this
    // it is stuck, and the portal after it is still worth asking.
    static constexpr int timeoutMs = 2000;

    explicit ScreenSourceKWin(QObject *parent = nullptr);
    ~ScreenSourceKWin() override;

    QString name() const override { return sourceName; }
    void start() override;
    int boundMs() const override { return timeoutMs; }

private:
    struct Capture;
    void replied(Capture *capture);
    void readable(Capture *capture);
    void finishIfComplete();
    void fail(const QString &reason);

    std::vector<std::unique_ptr<Capture>> captures;
    QTimer *deadline = nullptr;
    bool pending = false;
};

} // namespace QMWidgets

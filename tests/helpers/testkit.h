#pragma once

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

namespace QMWidgets {
class App;
}

namespace TestSupport {

// The direct-distribution edition's App, named as the program names it, without IndependentApp's
// start-up network work; its resources (the licence texts) in the given folder, else the test's.
std::unique_ptr<QMWidgets::App> makeApp(const QString &resources = QString());

// Runs a program to its end; true on a normal exit with code 0. Its output goes to output.
bool runTool(const QString &program, const QStringList &args, QByteArray *output = nullptr,
             int timeoutMs = 10000, bool mergeChannels = false);

// Driving a real X server: an xdotool call, and the first visible window
// `xdotool search --onlyvisible <option> <pattern>` finds in time.
bool xdotool(const QStringList &args, QByteArray *output = nullptr, int timeoutMs = 10000);
QByteArray waitForWindow(const QString &option, const QString &pattern, int timeoutMs = 10000);

// Pixels that no compression shrinks and no shift or scaling reproduces, the same for one size.
QImage noise(const QSize &size);

// Records the links handed to QDesktopServices::openUrl for the schemes, instead of opening them.
class LinkRecorder final : public QObject
{
    Q_OBJECT

public:
    explicit LinkRecorder(const QStringList &schemes = {"http", "https", "mailto", "file",
                                                        "ms-windows-store"})
        : schemes(schemes)
    {
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~LinkRecorder() override
    {
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList links;

public slots:
    void open(const QUrl &url) { links << url.toString(); }

private:
    QStringList schemes;
};

// Polls for the topmost modal dialog and hands each new one to the action once, so a test can
// answer a dialog that runs its own event loop.
class ModalAnswerer final : public QObject
{
    Q_OBJECT

public:
    explicit ModalAnswerer(std::function<void(QDialog *)> action) : act(std::move(action))
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog == last)
                return;
            last = dialog;
            shown << QString::fromLatin1(dialog->metaObject()->className());
            act(dialog);
        });
        timer.start(5);
    }
    QStringList shown; // class names, in order of appearance

private:
    std::function<void(QDialog *)> act;
    QPointer<QDialog> last;
    QTimer timer;
};

} // namespace TestSupport

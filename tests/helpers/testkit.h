#pragma once

// Fixtures shared by the widget tests: an application object as the program makes it, a
// recorder that takes the place of the system's URL handlers, and an answerer for modal dialogs.

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

// The direct-distribution edition's App, named as the program names it (organisation, version,
// domain, page links settled), without IndependentApp's start-up network work; its resources
// (the licence texts) in the given folder, else beside the test.
std::unique_ptr<QMWidgets::App> makeApp(const QString &resources = QString());

// Pixels that no compression shrinks and no shift or scaling reproduces, the same for one size.
QImage noise(const QSize &size);

// Records the links handed to QDesktopServices::openUrl for the schemes, instead of opening them.
class LinkRecorder final : public QObject
{
    Q_OBJECT

public:
    explicit LinkRecorder(const QStringList &schemes = {"http", "https", "mailto", "file",
                                                        "ms-windows-store"});
    ~LinkRecorder() override;
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
    explicit ModalAnswerer(std::function<void(QDialog *)> action);
    QStringList shown; // class names, in order of appearance

private:
    std::function<void(QDialog *)> act;
    QPointer<QDialog> last;
    QTimer timer;
};

} // namespace TestSupport

#include "sharedfunctions.h"

#include "screengrab.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace QMWidgets {

namespace {

#ifdef Q_OS_WIN
bool showInExplorer(const QString &nativePath)
{
    const QString parameters = QStringLiteral("/e,/select,\"%1\"").arg(nativePath);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(GetDesktopWindow(), L"open", L"explorer.exe",
                      reinterpret_cast<LPCWSTR>(parameters.utf16()), nullptr, SW_SHOWNORMAL));
    return result > 32;
}
#else
bool showInFileManager(const QString &path)
{
    // The freedesktop file manager interface; any file manager that owns the name will do.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // Bounded: a file manager started by bus activation answers within a few seconds or never.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}
#endif

} // namespace

QPixmap grabPrimaryScreen()
{
    return grabPrimaryScreen(GrabMethod::Automatic);
}

double screenScaleFactor()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QString revealTargetPath(const QString &filePath)
{
    QString p = filePath;
    p.replace(QStringLiteral("//"), QStringLiteral("/"));
    return QDir::toNativeSeparators(p);
}

bool revealInFileBrowser(const QString &filePath)
{
    const QString target = revealTargetPath(filePath);
#ifdef Q_OS_WIN
    if (showInExplorer(target))
        return true;
#else
    if (showInFileManager(QDir::fromNativeSeparators(target)))
        return true;
#endif
    const QString folder = QFileInfo(filePath).absoluteDir().absolutePath();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace QMWidgets

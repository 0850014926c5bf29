#include "independentapp.h"
#include "mmessagebox.h"
#include "screencropper.h"
#include "screengrab.h"
#include "stylesheet.h"

#include <QMessageBox>
#include <QTimer>

using namespace QMWidgets;

int main(int argc, char *argv[])
{
    // Nothing here draws with OpenGL: plain raster windows keep the X11 platform from loading its
    // GL integration, which costs start-up time and tens of megabytes. An attribute, not an
    // environment variable, so the programs opened from here (the file manager, the browser)
    // keep theirs. (Qt's Wayland platform still sets up EGL, to learn whether it may draw window
    // decorations; that happens while the grab's timer runs.)
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    // The look is the style sheet's. A desktop's theme plugin loads before the event loop: KDE's
    // brings 30 frameworks (Breeze, KIO, the icon loader) and cost more processor time than all
    // the rest of the start-up, for the dialogs' font and the message boxes' icons, which Qt's
    // own theme gives too. A theme the user names in QT_QPA_PLATFORMTHEME is still loaded.
    QGuiApplication::setDesktopSettingsAware(false);
    IndependentApp app(argc, argv, QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.8"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.com"));
    app.setAppPageName(QString());
    // Before the cropper exists, so every widget of the program is drawn through it.
    app.setStyleSheet(defaultStyleSheet);

    auto *cropper = new ScreenCropper();
    cropper->retranslate();
    // Dialogs that open over the capture screen belong to it.
    app.setMainWidget(cropper);
    QTimer::singleShot(300, cropper, &ScreenCropper::grabScreen);
    // While the loop waits for the grab: the window, its backing store and the shared segment,
    // so the grab is only the copy and showing is only the map.
    QTimer::singleShot(0, cropper, [cropper] { cropper->prepareWindow(); });

    QObject::connect(cropper, qOverload<>(&ScreenCropper::done), cropper,
                     [cropper] { QMetaObject::invokeMethod(cropper, "slotSave"); });
    QObject::connect(cropper, &ScreenCropper::saved, cropper,
                     [cropper] { QMetaObject::invokeMethod(cropper, "slotClose"); });
    // First, so a start-up update check waiting for the service gives up before the quit.
    QObject::connect(cropper, &ScreenCropper::closed, &app, &IndependentApp::slotStopNetwork);
    QObject::connect(cropper, &ScreenCropper::closed, &app, &QCoreApplication::quit);

    app.setReminder(2, 1);
    const int code = app.exec();

    // Shown after the loop: the capture window is gone and the event loop has already been told
    // to quit when the failure is known, so a box raised earlier would close at once.
    if (!cropper->failureMessage().isEmpty()) {
        MMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                              cropper->failureMessage(), QMessageBox::Ok, Qt::PlainText);
        return 1;
    }
    return code;
}

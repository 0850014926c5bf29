#include "appupdatedialog.h"
#include "standardbutton.h"

#include "app.h"
#include "serviceaddresses.h"
#include "updatecheck.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

// Resources of a static library are registered only when asked for by name, and the name
// must be used outside any namespace.
static void initUpdatePictures()
{
    Q_INIT_RESOURCE(updatepictures);
}

namespace QMWidgets {

namespace {

const QString checkUpdatesKey = QStringLiteral("checkupdates");

} // namespace

void ensureUpdatePictures()
{
    static const bool registered = (initUpdatePictures(), true);
    Q_UNUSED(registered)
}

AppUpdateDialog::AppUpdateDialog(QWidget *parent) : QDialog(parent)
{
    ensureUpdatePictures();
    setObjectName(QStringLiteral("UpdateDialog"));
    setWindowTitle(QCoreApplication::applicationName() + tr(" Updates Notification"));

    checkOnStartBox = new QCheckBox(tr("Check for updates on start"), this);
    textLabel = new QLabel(this);
    textLabel->setTextFormat(Qt::RichText);
    textLabel->setWordWrap(true);
    pictureLabel = new QLabel(this);
    pictureLabel->setAlignment(Qt::AlignHCenter);

    yes = makeStandardPushButton(tr("Yes"), this);
    no = makeStandardPushButton(tr("No"), this);
    connect(yes, &QPushButton::clicked, this, &AppUpdateDialog::slotUpdate);
    connect(no, &QPushButton::clicked, this, &AppUpdateDialog::slotCancel);
    connect(checkOnStartBox, &QCheckBox::toggled, this, &AppUpdateDialog::slotSetChecked);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(3);
    buttons->addWidget(yes);
    buttons->addWidget(no);

    auto *checkRow = new QHBoxLayout;
    checkRow->setContentsMargins(2, 2, 2, 2);
    checkRow->setSpacing(1);
    checkRow->addWidget(checkOnStartBox);
    checkRow->addStretch(1);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(pictureLabel);
    main->addWidget(textLabel);
    main->addLayout(buttons);
    main->addLayout(checkRow);

    // After the connection on purpose: a true setting toggles the box and is written again.
    checkOnStartBox->setChecked(isCheckOnStart());
}

AppUpdateDialog::~AppUpdateDialog() = default;

void AppUpdateDialog::setText(const QString &text)
{
    textLabel->setText(text);
}

void AppUpdateDialog::setPixmap(const QPixmap &pixmap)
{
    pictureLabel->setPixmap(pixmap);
}

bool AppUpdateDialog::isCheckOnStart()
{
    App *app = App::instance();
    return app ? app->setting(checkUpdatesKey, true).toBool() : true;
}

void AppUpdateDialog::setCheckOnStart(bool on)
{
    if (App *app = App::instance())
        app->setSetting(checkUpdatesKey, on);
}

void AppUpdateDialog::slotCancel()
{
    reject();
}

void AppUpdateDialog::slotUpdate()
{
    QDesktopServices::openUrl(QUrl(updatePageAddress(serviceAddresses().primaryServiceBase,
                                                     QCoreApplication::applicationName()),
                                   QUrl::TolerantMode));
    reject();
}

void AppUpdateDialog::slotSetChecked(bool on)
{
    setCheckOnStart(on);
}

} // namespace QMWidgets

#include "independentapp.h"

#include <QTimer>

namespace QMWidgets {

IndependentApp::IndependentApp(int &argc, char **argv, const QString &organizationName,
                               const QString &applicationName)
    : App(argc, argv, organizationName, applicationName)
{
    independentEdition = true;
    disableMessageOutput();
    QTimer::singleShot(4000, this, &IndependentApp::slotDoWebMetrics);
    if (setting(QStringLiteral("checkupdates"), true).toBool())
        QTimer::singleShot(2000, this, &IndependentApp::nop_cuos);
}

IndependentApp::~IndependentApp() = default;

QString IndependentApp::storeUrl(const QString &url)
{
    return url;
}

void IndependentApp::slotCheckUpdate() {}

void IndependentApp::slotShowMoreApps() {}

void IndependentApp::slotDoWebMetrics() {}

void IndependentApp::nop_cuos() {}

} // namespace QMWidgets

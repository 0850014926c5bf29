#pragma once

#include "app.h"

#include <QPointer>

namespace QMWidgets {

// The direct-distribution edition of the application object: web forms of the links, the
// start-up update check and the usage report.
class IndependentApp final : public App
{
    Q_OBJECT

public:
    IndependentApp(int &argc, char **argv, const QString &organizationName,
                   const QString &applicationName);
    ~IndependentApp() override;

    QString storeUrl(const QString &url) override;

public slots:
    void slotCheckUpdate() override;
    void slotShowMoreApps() override;
    void slotDoWebMetrics();
    void nop_cuos();
};

} // namespace QMWidgets

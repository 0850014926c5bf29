#include "usagereport.h"

namespace QMWidgets {

QString usageReportIdentifier(const QString &applicationName)
{
    return applicationName.toLower().remove(QLatin1Char(' '));
}

QString usageReportAddress(const QString &metricsHost, bool firstStart,
                           const QString &applicationName)
{
    return metricsHost + QStringLiteral("/?") +
           (firstStart ? QStringLiteral("f=") : QStringLiteral("a=")) +
           usageReportIdentifier(applicationName);
}

} // namespace QMWidgets

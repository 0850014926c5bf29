#pragma once

#include <QString>

namespace QMWidgets {

// The application identifier of the report: lower case, every ordinary space removed.
QString usageReportIdentifier(const QString &applicationName);

// metrics host + "/?" + ("f=" on a first start, "a=" otherwise) + identifier.
QString usageReportAddress(const QString &metricsHost, bool firstStart,
                           const QString &applicationName);

} // namespace QMWidgets

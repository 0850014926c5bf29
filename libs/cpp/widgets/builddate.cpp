#include "builddate.h"

#include <QStringList>

namespace QMWidgets {

QDate buildDateFromCompilerText(const QString &compilerDate)
{
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
        QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
        QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
        QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    const QStringList parts = compilerDate.simplified().split(QLatin1Char(' '));
    if (parts.size() != 3)
        return QDate();
    const int month = months.indexOf(parts.at(0)) + 1;
    if (month < 1)
        return QDate();
    const QString text = QString::number(month) + QLatin1Char('/') + parts.at(1) +
                         QLatin1Char('/') + parts.at(2);
    return QDate::fromString(text, QStringLiteral("M/d/yyyy"));
}

QDate buildDate()
{
    return buildDateFromCompilerText(QStringLiteral(__DATE__));
}

} // namespace QMWidgets

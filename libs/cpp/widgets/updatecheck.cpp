#include "updatecheck.h"

#include "textscrambler.h"

#include <QOperatingSystemVersion>
#include <QRandomGenerator>
#include <QStringList>

namespace QMWidgets {

namespace {

QString &latestBuild()
{
    static QString build;
    return build;
}

// 88 characters: digits, letters and punctuation, never ';' (the stamp's separator) nor
// quotes or backslashes.
const QString &stampAlphabet()
{
    static const QString alphabet =
        QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                       "!#$%&()*+,-.:<=>?@[]^_{|}~");
    return alphabet;
}

} // namespace

QString buildInfoPath(const QString &applicationName)
{
    return QStringLiteral("/apps/buildsinfo/") + applicationName.toLower() + QStringLiteral("_win");
}

QString updatePageAddress(const QString &primaryBase, const QString &applicationName)
{
    const QString base = primaryBase.contains(QLatin1String("://"))
                             ? primaryBase
                             : QStringLiteral("http://") + primaryBase;
    return base + QStringLiteral("/apps/updatepage.php?appname=") + applicationName.toLower();
}

QString buildInfoText(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? bytes : bytes.left(nul));
}

QString windowsVersionCode(int windowsVersionValue)
{
    return QStringLiteral("00_") + QString::number(windowsVersionValue, 16).toUpper();
}

int runningWindowsVersionValue()
{
#ifdef Q_OS_WIN
    const QOperatingSystemVersion v = QOperatingSystemVersion::current();
    const int major = v.majorVersion();
    const int minor = v.minorVersion();
    if (major >= 10)
        return 0xC0;
    if (major == 6)
        return minor >= 3 ? 0xB0 : minor == 2 ? 0xA0 : minor == 1 ? 0x90 : 0x80;
    if (major == 5)
        return minor >= 2 ? 0x40 : minor == 1 ? 0x30 : 0x20;
    return 0;
#else
    // Not Windows: the version is unknown, so the code is "00_0". Every "windows" value the
    // service uses ("00_20" and up) compares greater, so in practice only "all" matches here.
    return 0;
#endif
}

BuildInfo parseBuildInfo(const QString &text, const QString &systemCode)
{
    BuildInfo info;
    // The marker is looked for before the blanks go: "build :" does not count.
    info.hasMarker = text.contains(QLatin1String("build:"));
    if (!info.hasMarker)
        return info;

    QString cleaned = text;
    cleaned.remove(QLatin1Char(' '));
    cleaned.remove(QLatin1Char('\r'));
    cleaned.remove(QLatin1Char('\t'));
    cleaned.remove(QLatin1Char('\n'));

    const QStringList entries = cleaned.split(QLatin1Char(';'));
    for (const QString &entry : entries) {
        const QStringList fields = entry.split(QLatin1Char(':'));
        if (fields.size() < 2)
            continue;
        const QString &key = fields.first();
        const QString &value = fields.last();
        if (key == QLatin1String("build")) {
            info.hasBuild = true;
            info.build = value;
        } else if (key == QLatin1String("date")) {
            info.date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
        } else if (key == QLatin1String("windows")) {
            if (value == QLatin1String("all") ||
                (value.contains(QLatin1Char('_')) && QString::compare(systemCode, value) >= 0))
                info.systemMatches = true;
        }
    }
    return info;
}

bool offersNewerBuild(const BuildInfo &info, const QDate &buildDate)
{
    return info.hasMarker && info.systemMatches && info.date.isValid() && buildDate.isValid() &&
           buildDate < info.date;
}

QString latestAdvertisedBuild()
{
    return latestBuild();
}

void setLatestAdvertisedBuild(const QString &build)
{
    latestBuild() = build;
}

QString plainStamp(const QDate &day)
{
    QString stamp = day.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(';');
    const QString &alphabet = stampAlphabet();
    for (int i = 0; i < 7; ++i)
        stamp += alphabet.at(QRandomGenerator::global()->bounded(alphabet.size()));
    return stamp;
}

QDate stampDate(const QString &storedStamp)
{
    const QString plain = unscrambleText(storedStamp);
    if (plain.isEmpty())
        return QDate();
    return QDate::fromString(plain.section(QLatin1Char(';'), 0, 0), QStringLiteral("yyyy-MM-dd"));
}

StampVerdict judgeStamp(const QDate &stamp, const QDate &today)
{
    if (!stamp.isValid())
        return StampVerdict::Missing;
    return stamp.daysTo(today) < updateRestDays ? StampVerdict::Resting : StampVerdict::Due;
}

} // namespace QMWidgets

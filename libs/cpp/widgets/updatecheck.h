#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace QMWidgets {

// How long one build-information fetch may take, per service base.
constexpr int buildInfoTimeoutMs = 7000;
// Longest build-information answer accepted; a real one is a few dozen bytes, and anything
// longer is treated as no answer.
constexpr int buildInfoMaximumSize = 64 * 1024;
// Days the start-up check rests after the first start and after a newer build was offered.
constexpr int updateRestDays = 6;

// "/apps/buildsinfo/" + lower-case application name + "_win".
QString buildInfoPath(const QString &applicationName);
// primary base + "/apps/updatepage.php?appname=" + lower-case application name, with
// "http://" in front when the base carries no scheme (it is opened in a browser).
QString updatePageAddress(const QString &primaryBase, const QString &applicationName);

// The answer as text: Latin-1 up to the first NUL byte, or all of it.
QString buildInfoText(const QByteArray &bytes);

// "00_" + the Windows version value in upper-case hexadecimal without leading zeros.
QString windowsVersionCode(int windowsVersionValue);
// The Windows version value of the running system (Qt's QSysInfo::WinVersion numbering:
// 0x20 Windows 2000 ... 0xC0 Windows 10); 0 on any other system.
int runningWindowsVersionValue();

// What one build-information answer says.
struct BuildInfo
{
    bool hasMarker = false; // "build:" occurs in the raw text
    bool hasBuild = false;  // a "build" entry was read
    QString build;          // the last "build" value
    QDate date;             // the last "date" value; invalid when missing or malformed
    bool systemMatches = false;
};

// Reads an answer such as "build:57;date:2020-01-31;windows:00_A0" for the system whose code
// is systemCode. Without the raw "build:" marker nothing else is read.
BuildInfo parseBuildInfo(const QString &text, const QString &systemCode);

// True when the answer offers a build for this system that is newer than buildDate.
bool offersNewerBuild(const BuildInfo &info, const QDate &buildDate);

// The build that the service advertised last in this run; empty before the first answer.
QString latestAdvertisedBuild();
void setLatestAdvertisedBuild(const QString &build);

// The plain stamp for a day: "yyyy-MM-dd", ";", seven random characters.
QString plainStamp(const QDate &day);
// The date of a stored (scrambled) stamp; invalid when the value is empty or unreadable.
QDate stampDate(const QString &storedStamp);

enum class StampVerdict {
    Missing, // no readable stamp: store today, check nothing
    Resting, // fewer than updateRestDays since the stamp, or a stamp in the future
    Due,     // ask the service
};
StampVerdict judgeStamp(const QDate &stamp, const QDate &today);

} // namespace QMWidgets

#include "engagementlinks.h"

#include "updatecheck.h"

#include <QSysInfo>

namespace QMWidgets {

MakerPages makerPages()
{
    MakerPages pages;
    pages.contactEmail = QStringLiteral("support@velmora.com");
    pages.youTubeChannel = QStringLiteral("https://www.youtube.com/@velmora");
    pages.facebookPage = QStringLiteral("https://www.facebook.com/velmora");
    pages.twitterPage = QStringLiteral("https://twitter.com/velmora");
    pages.vkontaktePage = QStringLiteral("https://vk.com/velmora");
    return pages;
}

QString domainLabel(const QString &organizationDomain)
{
    const int dot = organizationDomain.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? organizationDomain : organizationDomain.left(dot);
}

QString sitePart(const QString &language, const QStringList &siteLanguages)
{
    if (language == QLatin1String("de") || language == QLatin1String("ru") ||
        (!language.isEmpty() && siteLanguages.contains(language)))
        return language + QLatin1Char('/');
    return QStringLiteral("org/");
}

QString productPageAddress(const QString &label, const QString &site, const QString &pageName)
{
    return QStringLiteral("http://") + label + QLatin1Char('.') + site + pageName;
}

QString facebookShareLinkFor(const QString &productPage)
{
    return QStringLiteral("https://www.facebook.com/sharer.php?u=") + productPage;
}

QString twitterShareLinkFor(const QString &productPage)
{
    return QStringLiteral("https://twitter.com/home?status=") + productPage;
}

QString shareRedirectLink(const QString &applicationWebServer, const QString &link)
{
    return applicationWebServer + QStringLiteral("social/share.php?link=") + link;
}

QString joinRedirectLink(const QString &applicationWebServer, const QString &link)
{
    return applicationWebServer + QStringLiteral("social/join.php?link=") + link;
}

QString youTubeFollowLink(const MakerPages &pages, const QString &server, bool independent)
{
    const QString channel = pages.youTubeChannel + QStringLiteral("?sub_confirmation=1");
    return independent ? joinRedirectLink(server, channel) : channel;
}

QString facebookFollowLink(const MakerPages &pages, const QString &server, bool independent)
{
    return independent ? joinRedirectLink(server, pages.facebookPage) : pages.facebookPage;
}

QString twitterFollowLink(const MakerPages &pages, const QString &server, bool independent)
{
    return independent ? joinRedirectLink(server, pages.twitterPage) : pages.twitterPage;
}

QString vkontakteFollowLink(const MakerPages &pages)
{
    return pages.vkontaktePage;
}

QString independentRateLink(const QString &applicationWebServer, const QString &appId)
{
    return applicationWebServer + QStringLiteral("rate.php?appname=") + appId;
}

QString storeReviewLink(const QString &storeProductLink)
{
    QString link = storeProductLink;
    return link.replace(QStringLiteral("//pdp/?productid="), QStringLiteral("//review/?ProductId="),
                        Qt::CaseSensitive);
}

QString storeProductLink(const QMap<QString, QString> &products, const QString &address)
{
    QString trimmed = address;
    if (trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    const QString last = trimmed.split(QLatin1Char('/')).constLast();
    if (last.isEmpty())
        return QString();
    const auto found = products.constFind(last.toLower());
    if (found == products.constEnd())
        return QString();
    return QStringLiteral("ms-windows-store://pdp/?productid=") + found.value();
}

QString tellFriendMail(const QString &appName, const QString &link)
{
    return QStringLiteral("mailto:?subject=Check out the cool ") + appName +
           QStringLiteral(" app!&body=") + appName + QStringLiteral(" - ") + link;
}

QString contactMail(const QString &address, const QString &appName, const QString &version,
                    const QString &system, const QString &language, bool storeEdition)
{
    const QString systemPart = system + QLatin1Char(' ') + language + QLatin1Char(' ') +
                               (storeEdition ? QString() : QStringLiteral("I"));
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=Contact (") + appName +
           QLatin1Char(' ') + version + QStringLiteral(") ") + systemPart +
           QStringLiteral("&body=");
}

QString windowsVersionName(int windowsVersionValue)
{
    switch (windowsVersionValue) {
    case 0x20:
        return QStringLiteral("2000");
    case 0x30:
        return QStringLiteral("XP");
    case 0x40:
        return QStringLiteral("2003");
    case 0x80:
        return QStringLiteral("Vista");
    case 0x90:
        return QStringLiteral("7");
    case 0xa0:
        return QStringLiteral("8");
    case 0xb0:
        return QStringLiteral("8.1");
    case 0xc0:
        return QStringLiteral("10");
    default:
        return QLatin1Char('(') + QString::number(windowsVersionValue) + QLatin1Char(')');
    }
}

QString osDescription()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Win ") + windowsVersionName(runningWindowsVersionValue());
#else
    // The Windows table would only say "Win (0)" here; the system's own name tells the maker
    // something.
    return QSysInfo::prettyProductName();
#endif
}

QString moreAppsLink(const QString &webSite)
{
    return webSite + QStringLiteral("/apps/crosspromo.php?appname=\"\"");
}

QString videoPageAddress(const QString &label, const QString &language)
{
    static const QStringList ownDomains = {QStringLiteral("de"), QStringLiteral("ru"),
                                           QStringLiteral("fr"), QStringLiteral("it"),
                                           QStringLiteral("nl")};
    const QString tld = ownDomains.contains(language) ? language : QStringLiteral("org");
    return QStringLiteral("http://") + label + QLatin1Char('.') + tld +
           QStringLiteral("/video.php?view=");
}

QString videoFallbackLink(const QString &videoLink, const QString &pageAddress)
{
    QString link = videoLink;
    link.replace(QStringLiteral("https://youtu.be/"), pageAddress);
    if (link.startsWith(pageAddress))
        return link;
    link = videoLink;
    link.replace(QStringLiteral("https://www.youtube.com/watch?v="), pageAddress);
    return link;
}

} // namespace QMWidgets

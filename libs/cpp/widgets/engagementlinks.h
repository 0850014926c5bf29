#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace QMWidgets {

// The maker's own addresses outside its web service: the contact mailbox and its pages on the
// social networks.
struct MakerPages
{
    QString contactEmail;
    QString youTubeChannel;
    QString facebookPage;
    QString twitterPage;
    QString vkontaktePage;
};
MakerPages makerPages();

// "velmora.com" -> "velmora": the organisation domain without its top-level part.
QString domainLabel(const QString &organizationDomain);
// The site part of the product page: "org/" unless the language has a site of its own.
QString sitePart(const QString &language, const QStringList &siteLanguages);
// "http://" + label + "." + site part + page name, appended as they are.
QString productPageAddress(const QString &label, const QString &site, const QString &pageName);
QString facebookShareLinkFor(const QString &productPage);
QString twitterShareLinkFor(const QString &productPage);

// The maker's redirectors on its application web server (which ends in "/").
QString shareRedirectLink(const QString &applicationWebServer, const QString &link);
QString joinRedirectLink(const QString &applicationWebServer, const QString &link);

// The follow pages; the redirector wraps them in the independent edition.
QString youTubeFollowLink(const MakerPages &pages, const QString &server, bool independent);
QString facebookFollowLink(const MakerPages &pages, const QString &server, bool independent);
QString twitterFollowLink(const MakerPages &pages, const QString &server, bool independent);
QString vkontakteFollowLink(const MakerPages &pages);

// Rate link of the independent edition: the maker's rate page for the application.
QString independentRateLink(const QString &applicationWebServer, const QString &appId);
// A store product page turned into the store's review page of the same product.
QString storeReviewLink(const QString &storeProductLink);
// The store product page for the last path segment of an address, or "" when the table does
// not know it. The table maps lower-case application identifiers to store product ids.
QString storeProductLink(const QMap<QString, QString> &products, const QString &address);

QString tellFriendMail(const QString &appName, const QString &link);
// "mailto:" + address + "?subject=Contact (name version) system language [I]&body="
QString contactMail(const QString &address, const QString &appName, const QString &version,
                    const QString &system, const QString &language, bool storeEdition);

// The name of a Windows version value (QSysInfo::WinVersion numbering), or "(value)".
QString windowsVersionName(int windowsVersionValue);
// "Win <name>" on Windows; elsewhere the running system's own name.
QString osDescription();

// The maker's catalogue of applications on its web site.
QString moreAppsLink(const QString &webSite);

// The maker's video page for the interface language: its own domain for de, ru, fr, it, nl.
QString videoPageAddress(const QString &label, const QString &language);
// The maker's page for a YouTube short or watch link; the link unchanged when it is neither.
QString videoFallbackLink(const QString &videoLink, const QString &pageAddress);

} // namespace QMWidgets

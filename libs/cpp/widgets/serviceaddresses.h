#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace QMWidgets {

// The maker's web service as the program reaches it. Every address of the service is formed
// from one of these bases; nothing else in the program names a host.
struct ServiceAddresses
{
    // Build information and the update page; no scheme or "http://" (the downloader puts
    // "http://" in front of anything else).
    QString primaryServiceBase;
    // Build information when the primary base yields nothing.
    QString fallbackServiceBase;
    // Rate page and share/join redirectors; ends in "/".
    QString applicationWebServer;
    // Product and catalogue pages: "http://" + domain label + "." + site part.
    QString webSite;
    // Usage report; "https" in the shipped program.
    QString metricsHost;
};

// The shipped values. The two service bases and the web site are kept scrambled in the
// program and unscrambled here.
ServiceAddresses builtInServiceAddresses();

// The values in force: those set by setServiceAddressesForTesting(), else the loopback
// override from the environment (see below), else the built-in ones.
ServiceAddresses serviceAddresses();

// Test override, for tests running inside the process.
void setServiceAddressesForTesting(const ServiceAddresses &addresses);
void clearServiceAddressesForTesting();

// Test override for a test that runs the program itself. It is taken only when
// CLIPWISE_TEST_SERVICES is exactly "loopback-only", and then every address points at this
// machine: CLIPWISE_TEST_PRIMARY_BASE, CLIPWISE_TEST_FALLBACK_BASE,
// CLIPWISE_TEST_APP_WEB_SERVER, CLIPWISE_TEST_WEB_SITE and CLIPWISE_TEST_METRICS_HOST give
// the values; one that is missing or names another host becomes unreachableTestAddress.
// So a stray variable in a user's environment can neither send the program's requests
// elsewhere nor take effect without the explicit switch.
ServiceAddresses serviceAddressesFromEnvironment(const QProcessEnvironment &environment,
                                                 bool *overridden = nullptr);

// Where test runs send whatever they did not point at a server of their own: the discard
// port of this machine, which refuses the connection.
extern const char unreachableTestAddress[];

// True when the address (with or without scheme) names 127.0.0.0/8, ::1 or "localhost".
bool isLoopbackAddress(const QString &address);

} // namespace QMWidgets

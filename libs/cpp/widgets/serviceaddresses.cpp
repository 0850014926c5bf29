#include "serviceaddresses.h"

#include "textscrambler.h"

#include <QHostAddress>
#include <QUrl>

#include <optional>

namespace QMWidgets {

const char unreachableTestAddress[] = "http://127.0.0.1:9";

namespace {

// Scrambled with scrambleText(); kept so the addresses are not plain text in the binary.
constexpr char scrambledPrimaryBase[] = "voCe82km-VBmR8A93GmMwBLVm66t_pe9S5JWJ0w";
constexpr char scrambledFallbackBase[] = "voCe82km-VAiE9BZyDD41Eqp496pt-P9O-pun";
constexpr char scrambledWebSite[] = "voCe82km-VByU6w9xDXAjArlrX7E";

std::optional<ServiceAddresses> &testAddresses()
{
    static std::optional<ServiceAddresses> addresses;
    return addresses;
}

QString loopbackOrUnreachable(const QProcessEnvironment &environment, const char *name)
{
    const QString value = environment.value(QLatin1String(name));
    return isLoopbackAddress(value) ? value : QString::fromLatin1(unreachableTestAddress);
}

} // namespace

ServiceAddresses builtInServiceAddresses()
{
    ServiceAddresses addresses;
    addresses.primaryServiceBase = unscrambleText(QLatin1String(scrambledPrimaryBase));
    addresses.fallbackServiceBase = unscrambleText(QLatin1String(scrambledFallbackBase));
    addresses.applicationWebServer = QStringLiteral("http://apps.velmora.com/");
    addresses.webSite = unscrambleText(QLatin1String(scrambledWebSite));
    addresses.metricsHost = QStringLiteral("https://metrics.velmora.com");
    return addresses;
}

ServiceAddresses serviceAddressesFromEnvironment(const QProcessEnvironment &environment,
                                                 bool *overridden)
{
    const bool testRun = environment.value(QStringLiteral("CLIPWISE_TEST_SERVICES")) ==
                         QLatin1String("loopback-only");
    if (overridden)
        *overridden = testRun;
    if (!testRun)
        return builtInServiceAddresses();
    ServiceAddresses addresses;
    addresses.primaryServiceBase = loopbackOrUnreachable(environment, "CLIPWISE_TEST_PRIMARY_BASE");
    addresses.fallbackServiceBase =
        loopbackOrUnreachable(environment, "CLIPWISE_TEST_FALLBACK_BASE");
    addresses.applicationWebServer =
        loopbackOrUnreachable(environment, "CLIPWISE_TEST_APP_WEB_SERVER");
    addresses.webSite = loopbackOrUnreachable(environment, "CLIPWISE_TEST_WEB_SITE");
    addresses.metricsHost = loopbackOrUnreachable(environment, "CLIPWISE_TEST_METRICS_HOST");
    return addresses;
}

ServiceAddresses serviceAddresses()
{
    if (testAddresses())
        return *testAddresses();
    // Read once: the environment of a run does not change, and the lookup is not free.
    static const ServiceAddresses fromEnvironment =
        serviceAddressesFromEnvironment(QProcessEnvironment::systemEnvironment());
    return fromEnvironment;
}

void setServiceAddressesForTesting(const ServiceAddresses &addresses)
{
    testAddresses() = addresses;
}

void clearServiceAddressesForTesting()
{
    testAddresses().reset();
}

bool isLoopbackAddress(const QString &address)
{
    if (address.trimmed().isEmpty())
        return false;
    const QString withScheme =
        address.contains(QLatin1String("://")) ? address : QStringLiteral("http://") + address;
    const QUrl url(withScheme, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    QHostAddress hostAddress;
    return hostAddress.setAddress(host) && hostAddress.isLoopback();
}

} // namespace QMWidgets

#include "testkit.h"

#include "app.h"

#include <QRandomGenerator>

namespace TestSupport {

namespace {
int argcStore = 1;
char arg0[] = "clipwise-test";
char *argvStore[] = {arg0, nullptr};

class IndependentTestApp final : public QMWidgets::App
{
public:
    explicit IndependentTestApp(const QString &resources)
        : App(argcStore, argvStore, "Velmora", "Clipwise")
    {
        independentEdition = true;
        if (!resources.isEmpty()) {
            resourceDir = resources + '/';
            composeQtNotice();
        }
    }
};
} // namespace

std::unique_ptr<QMWidgets::App> makeApp(const QString &resources)
{
    auto app = std::make_unique<IndependentTestApp>(resources);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.8"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.com"));
    app->setAppPageName(QString());
    return app;
}

QImage noise(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(size.width() * 7919 + size.height());
    for (int i = 0; i < size.width() * size.height(); ++i)
        image.setPixel(i % size.width(), i / size.width(), random.generate());
    return image;
}

} // namespace TestSupport

#include "translationsmanager.h"

#include "app.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

// The catalogues are compiled into the static "translations" library; without a reference
// from code that is certainly linked, the linker would drop them.
static void registerCatalogueBundle()
{
#ifdef CLIPWISE_HAVE_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
}

namespace QMWidgets {

QStringList supportedLanguageCodes()
{
    return {QStringLiteral("de"),    QStringLiteral("ru"),    QStringLiteral("fr"),
            QStringLiteral("nl"),    QStringLiteral("it"),    QStringLiteral("pt"),
            QStringLiteral("es"),    QStringLiteral("ko"),    QStringLiteral("ja"),
            QStringLiteral("zh_CN"), QStringLiteral("zh_TW"), QStringLiteral("hi"),
            QStringLiteral("ar")};
}

QString normalizedLanguageCode(const QString &name)
{
    const QStringList codes = supportedLanguageCodes();
    for (const QString &code : codes) {
        if (name.contains(code, Qt::CaseSensitive))
            return code;
    }
    return QStringLiteral("en");
}

TranslationsManager *TranslationsManager::instance()
{
    static TranslationsManager *manager = new TranslationsManager();
    return manager;
}

TranslationsManager::TranslationsManager()
{
    registerCatalogueBundle();

    qtTranslator = new QTranslator(this);
    libsTranslator = new QTranslator(this);
    appTranslator = new QTranslator(this);
    // The catalogues lie in the resource directory libs/cpp/Translations. The Qt and application
    // paths continue with "Translations/", the library path with "/Translations/", hence the
    // prefixes with and without the trailing slash. There is no application catalogue.
    qtCataloguePrefix = QStringLiteral("libs/cpp/");
    libsCataloguePrefix = QStringLiteral("libs/cpp");
    appCataloguePrefix = QString();
    language = QString();

    const QString systemName = QLocale::system().name();
    QString chosen = systemName;
    if (App *app = App::instance())
        chosen = app->setting(QStringLiteral("Language"), systemName).toString();
    setLanguage(normalizedLanguageCode(chosen));
}

TranslationsManager::~TranslationsManager() = default;

QString TranslationsManager::qtCataloguePath(const QString &code) const
{
    return QStringLiteral(":/") + qtCataloguePrefix + QStringLiteral("Translations/qt_") + code;
}

QString TranslationsManager::libsCataloguePath(const QString &code) const
{
    return QStringLiteral(":/") + libsCataloguePrefix + QStringLiteral("/Translations/libs_") +
           code;
}

QString TranslationsManager::appCataloguePath(const QString &code) const
{
    return QStringLiteral(":/") + appCataloguePrefix + QStringLiteral("Translations/") +
           QCoreApplication::applicationName() + QLatin1Char('_') + code;
}

bool TranslationsManager::qtCatalogueLoaded() const
{
    return !qtTranslator->isEmpty();
}

bool TranslationsManager::libsCatalogueLoaded() const
{
    return !libsTranslator->isEmpty();
}

bool TranslationsManager::appCatalogueLoaded() const
{
    return !appTranslator->isEmpty();
}

void TranslationsManager::setLanguage(const QString &code)
{
    QCoreApplication::removeTranslator(qtTranslator);
    QCoreApplication::removeTranslator(libsTranslator);
    QCoreApplication::removeTranslator(appTranslator);

    if (code != QLatin1String("en")) {
        // A catalogue that is not found leaves its translator empty and the texts in English.
        qtTranslator->load(qtCataloguePath(code));
        QCoreApplication::installTranslator(qtTranslator);
        libsTranslator->load(libsCataloguePath(code));
        QCoreApplication::installTranslator(libsTranslator);
        appTranslator->load(appCataloguePath(code));
        QCoreApplication::installTranslator(appTranslator);
    } else {
        // Loading nothing empties a translator; a later look-up must not find the old language.
        qtTranslator->load(QString());
        libsTranslator->load(QString());
        appTranslator->load(QString());
    }

    language = code;
    QGuiApplication::setLayoutDirection(code == QLatin1String("ar") ? Qt::RightToLeft
                                                                    : Qt::LeftToRight);
    if (App *app = App::instance()) {
        app->setSetting(QStringLiteral("Language"), code);
        app->setLanguageCode(code);
        app->composeQtNotice();
    }
}

} // namespace QMWidgets

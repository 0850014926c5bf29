#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QTranslator;

namespace QMWidgets {

// The interface languages that have catalogues, in the order in which a stored or system
// language name is matched against them.
QStringList supportedLanguageCodes();

// Maps a stored setting or locale name (de_AT, pt_BR, ar_EG ...) to the first supported code it
// contains; anything else is "en", the language of the source texts.
QString normalizedLanguageCode(const QString &name);

// Decides the interface language once per run, installs the Qt, library and application
// catalogues for it and switches the layout direction for right-to-left languages.
// A process-wide singleton, created on first use and never destroyed.
class TranslationsManager final : public QObject
{
    Q_OBJECT

public:
    static TranslationsManager *instance();

    void setLanguage(const QString &code);
    QString currentLanguage() const { return language; }

    // Resource paths the catalogues are loaded from, exposed so tests can check what was asked.
    QString qtCataloguePath(const QString &code) const;
    QString libsCataloguePath(const QString &code) const;
    QString appCataloguePath(const QString &code) const;

    // True when the translator of that kind holds a loaded catalogue.
    bool qtCatalogueLoaded() const;
    bool libsCatalogueLoaded() const;
    bool appCatalogueLoaded() const;

private:
    TranslationsManager();
    ~TranslationsManager() override;

    QTranslator *qtTranslator = nullptr;
    QTranslator *libsTranslator = nullptr;
    QTranslator *appTranslator = nullptr;
    QString language;
    QString appCataloguePrefix;
    QString libsCataloguePrefix;
    QString qtCataloguePrefix;
};

} // namespace QMWidgets

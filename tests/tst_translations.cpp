// Language choice and catalogues: the normalisation of stored and system names, the catalogues
// really found in the resources, German texts on the capture screen and in the About dialog,
// the layout direction, and .ts sources without unfinished entries.
#include "aboutdialog.h"
#include "app.h"
#include "screencropper.h"
#include "translationsmanager.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

using namespace QMWidgets;

namespace {

QString translationsSourceDir()
{
    return QStringLiteral(TEST_SOURCE_DIR) + QStringLiteral("/../libs/cpp/Translations");
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

QStringList tags(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("<[^>]+>")).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured().toLower());
    return found;
}

} // namespace

class TestTranslations final : public QObject
{
    Q_OBJECT

private slots:
    void normalisation_data();
    void normalisation();
    void storedRegionalNameIsSettledAndWrittenBack();
    void germanCapturScreenAndAboutDialog();
    void qtOwnTextsAreGermanToo();
    void cataloguesAreEmbeddedForEveryLanguage_data();
    void cataloguesAreEmbeddedForEveryLanguage();
    void setLanguage_data();
    void setLanguage();
    void everyTsFileIsComplete_data();
    void everyTsFileIsComplete();

public:
    QString startupLanguage;
};

void TestTranslations::normalisation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("Brazilian locale gives Portuguese") << "pt_BR"
                                                       << "pt";
    QTest::newRow("Hong Kong Chinese has no catalogue") << "zh_HK"
                                                        << "en";
    QTest::newRow("stored Austrian German gives German") << "de_AT"
                                                         << "de";
    QTest::newRow("Egyptian Arabic gives Arabic") << "ar_EG"
                                                  << "ar";
    QTest::newRow("Taiwanese Chinese is kept") << "zh_TW"
                                               << "zh_TW";
    QTest::newRow("simplified Chinese is kept") << "zh_CN"
                                                << "zh_CN";
    QTest::newRow("Canadian French gives French") << "fr_CA"
                                                  << "fr";
    QTest::newRow("Hindi") << "hi_IN"
                           << "hi";
    QTest::newRow("English stays English") << "en"
                                           << "en";
    QTest::newRow("C locale gives English") << "C"
                                            << "en";
    QTest::newRow("empty setting gives English") << ""
                                                 << "en";
    QTest::newRow("the search is case-sensitive") << "DE"
                                                  << "en";
    QTest::newRow("the list order decides, de before ru") << "ru_de"
                                                          << "de";
}

void TestTranslations::normalisation()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(normalizedLanguageCode(name), code);
}

void TestTranslations::storedRegionalNameIsSettledAndWrittenBack()
{
    // main() stored "de_AT" before the first App::language() call.
    QCOMPARE(startupLanguage, QStringLiteral("de"));
    QCOMPARE(App::instance()->setting(QStringLiteral("Language")).toString(), QStringLiteral("de"));
    QCOMPARE(TranslationsManager::instance()->currentLanguage(), QStringLiteral("de"));
    QVERIFY(TranslationsManager::instance()->qtCatalogueLoaded());
    QVERIFY(TranslationsManager::instance()->libsCatalogueLoaded());
    QVERIFY(!TranslationsManager::instance()->appCatalogueLoaded());
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void TestTranslations::germanCapturScreenAndAboutDialog()
{
    ScreenCropper cropper;
    cropper.retranslate();
    const QString text = cropper.instructionText();
    QVERIFY2(text.startsWith(QStringLiteral("Wählen Sie den")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("[ESC]")));
    QVERIFY(!text.contains(QStringLiteral("Press")));
    QCOMPARE(text.count(QLatin1Char('\n')), 4);

    AboutDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clipwise – Info"));
    QStringList buttons;
    for (const QPushButton *b : dialog.findChildren<QPushButton *>())
        buttons.append(b->text());
    QVERIFY2(buttons.contains(QStringLiteral("&Rechtliche Hinweise")),
             qPrintable(buttons.join(QLatin1Char(','))));
    QVERIFY(buttons.contains(QStringLiteral("&OK")));
    const auto *info = dialog.findChild<QLabel *>(QStringLiteral("AboutInfoLabel"));
    QVERIFY(info);
    QVERIFY(info->text().contains(QStringLiteral("Alle Rechte vorbehalten")));
    // The legal notice was composed again once the language was known.
    QVERIFY(App::instance()->qtNotice().contains(QStringLiteral("Diese Anwendung verwendet:")));
}

void TestTranslations::qtOwnTextsAreGermanToo()
{
    // Comes from qtbase_de, which the embedded qt_de catalogue pulls in.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslations::cataloguesAreEmbeddedForEveryLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("hasQtCatalogue");
    for (const QString &code : supportedLanguageCodes())
        QTest::newRow(qPrintable(code)) << code << (code != QLatin1String("hi"));
}

void TestTranslations::cataloguesAreEmbeddedForEveryLanguage()
{
    QFETCH(QString, code);
    QFETCH(bool, hasQtCatalogue);
    const QString dir = QStringLiteral(":/libs/cpp/Translations/");
    QVERIFY(QFile::exists(dir + QStringLiteral("libs_") + code + QStringLiteral(".qm")));
    QCOMPARE(QFile::exists(dir + QStringLiteral("qt_") + code + QStringLiteral(".qm")),
             hasQtCatalogue);
    QTranslator libs;
    QVERIFY(libs.load(TranslationsManager::instance()->libsCataloguePath(code)));
    QVERIFY(!libs.isEmpty());
    if (hasQtCatalogue) {
        QTranslator qt;
        QVERIFY2(qt.load(TranslationsManager::instance()->qtCataloguePath(code)),
                 "the Qt catalogue or its qtbase dependency did not load");
    }
}

void TestTranslations::setLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<bool>("qtLoaded");
    QTest::addColumn<bool>("libsLoaded");
    QTest::addColumn<QString>("cancelText");
    QTest::newRow("Arabic turns the layout right-to-left")
        << "ar" << Qt::RightToLeft << true << true << QStringLiteral("إلغاء");
    QTest::newRow("Portuguese is served by the Brazilian Qt catalogue")
        << "pt" << Qt::LeftToRight << true << true << QStringLiteral("Cancelar");
    QTest::newRow("Hindi has only the library catalogue")
        << "hi" << Qt::LeftToRight << false << true << QStringLiteral("रद्द करें");
    QTest::newRow("English loads nothing and is written back")
        << "en" << Qt::LeftToRight << false << false << QStringLiteral("Cancel");
}

void TestTranslations::setLanguage()
{
    QFETCH(QString, code);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(bool, qtLoaded);
    QFETCH(bool, libsLoaded);
    QFETCH(QString, cancelText);
    TranslationsManager *manager = TranslationsManager::instance();
    manager->setLanguage(code);
    QCOMPARE(QGuiApplication::layoutDirection(), direction);
    QCOMPARE(manager->qtCatalogueLoaded(), qtLoaded);
    QCOMPARE(manager->libsCatalogueLoaded(), libsLoaded);
    QCOMPARE(App::instance()->language(), code);
    QCOMPARE(App::instance()->setting(QStringLiteral("Language")).toString(), code);
    QCOMPARE(QCoreApplication::translate("QMWidgets::MMessageBox", "Cancel"), cancelText);
}

void TestTranslations::everyTsFileIsComplete_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &code : supportedLanguageCodes())
        QTest::newRow(qPrintable(code))
            << translationsSourceDir() + QStringLiteral("/libs_") + code + QStringLiteral(".ts");
}

void TestTranslations::everyTsFileIsComplete()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            ++messages;
            const QString where = context + QStringLiteral(": ") + source;
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            QVERIFY2(type.isEmpty(), qPrintable(type + QLatin1Char(' ') + where));
            const QString text = xml.readElementText();
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(where));
            QCOMPARE(placeholders(text), placeholders(source));
            QCOMPARE(tags(text), tags(source));
            // Composed texts rely on the pieces' line breaks.
            QCOMPARE(text.count(QLatin1Char('\n')), source.count(QLatin1Char('\n')));
            QCOMPARE(text.endsWith(QLatin1Char('\n')), source.endsWith(QLatin1Char('\n')));
            if (source.contains(QRegularExpression(QStringLiteral("&\\w"))))
                QVERIFY2(text.contains(QLatin1Char('&')), qPrintable(where));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 20);
}

int main(int argc, char **argv)
{
    App app(argc, argv, QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    // Before the first language() call, as a hand-edited settings file would have it.
    app.setSetting(QStringLiteral("Language"), QStringLiteral("de_AT"));
    TestTranslations test;
    test.startupLanguage = app.language();
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"

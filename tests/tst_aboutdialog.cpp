// The About dialog: its two pages and the size they keep, the licence shown from the resource
// folder (up to a zero byte, plain text kept readable), a missing licence, web links handed to
// the desktop services, the build date read from the compiler's text, and App::slotAbout.
#include "aboutdialog.h"
#include "app.h"
#include "builddate.h"
#include "stylesheet.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace QMWidgets;

namespace {

class TestApp final : public App
{
public:
    using App::App;
    void useResourceDirectory(const QString &dir)
    {
        resourceDir = dir;
        composeQtNotice();
    }
};

class UrlCatcher final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

QPushButton *buttonWithText(QWidget *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QUrl linkInNotice(const QString &containing)
{
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("href=\"([^\"]+)\""))
                                             .globalMatch(App::instance()->qtNotice());
    while (it.hasNext()) {
        const QString href = it.next().captured(1);
        if (href.contains(containing))
            return QUrl(href);
    }
    return QUrl();
}

} // namespace

class TestAboutDialog final : public QObject
{
    Q_OBJECT

public:
    QTemporaryDir resources;

private slots:
    void init();
    void buildDateFromCompilerText_data();
    void buildDateFromCompilerText();
    void buildDateOfThisBuildIsSensible();
    void construction();
    void qtNoticeContent();
    void pageToggleKeepsTheSize();
    void moreShowsTheLicenceUpToAZeroByte();
    void licenceHtml_data();
    void licenceHtml();
    void missingLicenceLeavesTheNotices();
    void webLinksOpenThroughDesktopServices();
    void okClosesAndReturnsToTheInfoPage();
    void slotAboutRunsAFreshDialogEachTime();
    void shippedLicenceIsTheLgpl3();
};

void TestAboutDialog::init()
{
    QFile::remove(resources.filePath(QStringLiteral("LICENSE.LGPL")));
}

void TestAboutDialog::buildDateFromCompilerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("one-digit day padded with a blank") << "Oct  2 2019" << QDate(2019, 10, 2);
    QTest::newRow("two-digit day") << "Dec 31 1999" << QDate(1999, 12, 31);
    QTest::newRow("January") << "Jan  1 2000" << QDate(2000, 1, 1);
    QTest::newRow("leap day") << "Feb 29 2020" << QDate(2020, 2, 29);
    QTest::newRow("surrounding blanks") << "  May  7 2021 " << QDate(2021, 5, 7);
    QTest::newRow("no such day") << "Feb 30 2019" << QDate();
    QTest::newRow("unknown month") << "Okt  2 2019" << QDate();
    QTest::newRow("month must be abbreviated as the compiler does") << "October 2 2019" << QDate();
    QTest::newRow("missing year") << "Oct  2" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestAboutDialog::buildDateFromCompilerText()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(QMWidgets::buildDateFromCompilerText(text), date);
}

void TestAboutDialog::buildDateOfThisBuildIsSensible()
{
    const QDate built = buildDate();
    QVERIFY(built.isValid());
    QVERIFY(built.year() >= 2019);
    QVERIFY(built <= QDate::currentDate().addDays(1));
}

void TestAboutDialog::construction()
{
    AboutDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("AboutDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clipwise Info"));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));

    auto *logo = dialog.findChild<QLabel *>(QStringLiteral("LogoLabel"));
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSize(290, 290));
    QCOMPARE(logo->frameStyle(), 51);
    QCOMPARE(logo->lineWidth(), 5);

    auto *info = dialog.findChild<QLabel *>(QStringLiteral("AboutInfoLabel"));
    QVERIFY(info);
    QCOMPARE(info->height(), 87);
    QVERIFY(info->openExternalLinks());
    QCOMPARE(info->styleSheet(), QStringLiteral("background: black;"));
    QVERIFY(info->text().contains(QStringLiteral("Clipwise")));
    QVERIFY(info->text().contains(QStringLiteral("version 1.8")));
    QVERIFY(info->text().contains(QStringLiteral("href=\"") + makerSiteAddress()));
    QVERIFY(info->text().contains(
        QLocale(QStringLiteral("en")).toString(buildDate(), QLocale::LongFormat)));

    auto *legal = dialog.findChild<QTextBrowser *>(QStringLiteral("AboutLegalInfo"));
    QVERIFY(legal);
    QVERIFY(legal->isHidden());
    QVERIFY(!legal->openLinks());
    QVERIFY(!legal->openExternalLinks());

    QPushButton *ok = buttonWithText(&dialog, QStringLiteral("&Ok"));
    QPushButton *legalButton = buttonWithText(&dialog, QStringLiteral("&Legal Notices"));
    QVERIFY(ok && legalButton);
    for (QPushButton *b : {ok, legalButton}) {
        QCOMPARE(b->objectName(), QStringLiteral("PushButton"));
        QVERIFY(b->isFlat());
        QCOMPARE(b->minimumHeight(), 32);
    }
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(legalButton->geometry().bottom() < ok->geometry().top());
}

void TestAboutDialog::qtNoticeContent()
{
    const QString notice = App::instance()->qtNotice();
    QVERIFY(notice.startsWith(QStringLiteral("<H3>This Application Uses:</H3>Qt 5 Toolkit<BR>")));
    const QUrl more = linkInNotice(QStringLiteral("LICENSE.LGPL"));
    QCOMPARE(more.scheme(), QStringLiteral("file"));
    QCOMPARE(more.toLocalFile(), resources.filePath(QStringLiteral("LICENSE.LGPL")));
    QVERIFY(notice.contains(QStringLiteral(">(more)</a>")));
    QVERIFY(linkInNotice(QStringLiteral("qt")).scheme() == QLatin1String("http"));
}

void TestAboutDialog::pageToggleKeepsTheSize()
{
    AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize size = dialog.size();
    auto *logo = dialog.findChild<QLabel *>(QStringLiteral("LogoLabel"));
    auto *info = dialog.findChild<QLabel *>(QStringLiteral("AboutInfoLabel"));
    auto *legal = dialog.findChild<QTextBrowser *>(QStringLiteral("AboutLegalInfo"));
    QPushButton *toggle = buttonWithText(&dialog, QStringLiteral("&Legal Notices"));
    QVERIFY(toggle);

    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("&Back"));
        QVERIFY(logo->isHidden() && info->isHidden() && legal->isVisible());
        QVERIFY(legal->toPlainText().contains(QStringLiteral("This Application Uses:")));
        QCOMPARE(dialog.size(), size);

        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("&Legal Notices"));
        QVERIFY(logo->isVisible() && info->isVisible() && legal->isHidden());
        QCOMPARE(dialog.size(), size);
    }
    QCOMPARE(dialog.minimumSize(), size);
    QCOMPARE(dialog.maximumSize(), size);
}

void TestAboutDialog::moreShowsTheLicenceUpToAZeroByte()
{
    QFile licence(resources.filePath(QStringLiteral("LICENSE.LGPL")));
    QVERIFY(licence.open(QIODevice::WriteOnly));
    licence.write(
        QByteArray("LESSER LICENCE <https://fsf.org/>\n  indented line\n\0hidden tail", 61));
    licence.close();

    AboutDialog dialog;
    dialog.show();
    auto *legal = dialog.findChild<QTextBrowser *>(QStringLiteral("AboutLegalInfo"));
    QPushButton *toggle = buttonWithText(&dialog, QStringLiteral("&Legal Notices"));
    QTest::mouseClick(toggle, Qt::LeftButton);
    emit legal->anchorClicked(linkInNotice(QStringLiteral("LICENSE.LGPL")));
    const QString shown = legal->toPlainText();
    QVERIFY2(shown.contains(QStringLiteral("LESSER LICENCE <https://fsf.org/>")),
             qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("\n  indented line")));
    QVERIFY(!shown.contains(QStringLiteral("hidden")));
    QVERIFY(!shown.contains(QStringLiteral("This Application Uses:")));

    // Back, then the legal page again: the notices, not the licence.
    QTest::mouseClick(toggle, Qt::LeftButton);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QVERIFY(legal->toPlainText().contains(QStringLiteral("This Application Uses:")));
}

void TestAboutDialog::licenceHtml_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("plainShown");
    QTest::newRow("plain text keeps its lines")
        << QByteArray("A\n\nB  C") << QStringLiteral("A\n\nB  C");
    QTest::newRow("zero byte ends the text")
        << QByteArray("before\0after", 12) << QStringLiteral("before");
    QTest::newRow("zero byte first gives nothing") << QByteArray("\0rest", 5) << QString();
    QTest::newRow("angle brackets are text")
        << QByteArray("<x@y.org> & more") << QStringLiteral("<x@y.org> & more");
    QTest::newRow("bytes read as Latin-1") << QByteArray("caf\xe9") << QStringLiteral("caf\u00e9");
    QTest::newRow("an HTML licence is shown as HTML")
        << QByteArray("<html><body><b>Bold</b> text</body></html>") << QStringLiteral("Bold text");
}

void TestAboutDialog::licenceHtml()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, plainShown);
    QTextBrowser view;
    view.setHtml(QMWidgets::licenceHtml(contents));
    QCOMPARE(view.toPlainText(), plainShown);
}

void TestAboutDialog::missingLicenceLeavesTheNotices()
{
    AboutDialog dialog;
    dialog.show();
    auto *legal = dialog.findChild<QTextBrowser *>(QStringLiteral("AboutLegalInfo"));
    QTest::mouseClick(buttonWithText(&dialog, QStringLiteral("&Legal Notices")), Qt::LeftButton);
    const QString before = legal->toHtml();
    emit legal->anchorClicked(linkInNotice(QStringLiteral("LICENSE.LGPL")));
    QCOMPARE(legal->toHtml(), before);
    QVERIFY(legal->toPlainText().contains(QStringLiteral("This Application Uses:")));
}

void TestAboutDialog::webLinksOpenThroughDesktopServices()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    AboutDialog dialog;
    dialog.show();
    auto *legal = dialog.findChild<QTextBrowser *>(QStringLiteral("AboutLegalInfo"));
    QPushButton *toggle = buttonWithText(&dialog, QStringLiteral("&Legal Notices"));
    QTest::mouseClick(toggle, Qt::LeftButton);

    const QUrl qtSite = linkInNotice(QStringLiteral("qt"));
    emit legal->anchorClicked(qtSite);
    QCOMPARE(catcher.urls, QList<QUrl>{qtSite});
    QVERIFY(legal->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("&Back"));

    // A file link that is not the licence goes to the system as well; the licence never does.
    const QUrl other = QUrl::fromLocalFile(resources.filePath(QStringLiteral("notes.txt")));
    emit legal->anchorClicked(other);
    emit legal->anchorClicked(linkInNotice(QStringLiteral("LICENSE.LGPL")));
    QCOMPARE(catcher.urls, (QList<QUrl>{qtSite, other}));

    // The maker's link in the info text is opened by the label itself.
    QTest::mouseClick(toggle, Qt::LeftButton);
    auto *info = dialog.findChild<QLabel *>(QStringLiteral("AboutInfoLabel"));
    // Click down the middle of the label until the link line is hit.
    for (int y = info->height() - 2; y > 0 && catcher.urls.size() < 3; y -= 2)
        QTest::mouseClick(info, Qt::LeftButton, Qt::NoModifier, QPoint(info->width() / 2, y));
    QCOMPARE(catcher.urls.size(), 3);
    QCOMPARE(catcher.urls.last(), QUrl(makerSiteAddress()));

    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestAboutDialog::okClosesAndReturnsToTheInfoPage()
{
    AboutDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(buttonWithText(&dialog, QStringLiteral("&Legal Notices")),
                          Qt::LeftButton);
        QTest::mouseClick(buttonWithText(&dialog, QStringLiteral("&Ok")), Qt::LeftButton);
    });
    dialog.exec();
    QVERIFY(!dialog.isVisible());
    QVERIFY(buttonWithText(&dialog, QStringLiteral("&Legal Notices")));
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("LogoLabel"))->isHidden());
}

void TestAboutDialog::slotAboutRunsAFreshDialogEachTime()
{
    QStringList notices;
    for (int i = 0; i < 2; ++i) {
        QPointer<QWidget> shown;
        QTimer::singleShot(0, [&shown, &notices] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            shown = modal;
            QCOMPARE(modal->objectName(), QStringLiteral("AboutDialog"));
            QVERIFY(buttonWithText(modal, QStringLiteral("&Legal Notices")));
            QTest::mouseClick(buttonWithText(modal, QStringLiteral("&Legal Notices")),
                              Qt::LeftButton);
            notices.append(
                modal->findChild<QTextBrowser *>(QStringLiteral("AboutLegalInfo"))->toHtml());
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QVERIFY(QMetaObject::invokeMethod(App::instance(), "slotAbout"));
        QVERIFY2(shown.isNull(), "the dialog is deleted when slotAbout returns");
    }
    QCOMPARE(notices.size(), 2);
    QCOMPARE(notices.at(0), notices.at(1));
}

void TestAboutDialog::shippedLicenceIsTheLgpl3()
{
    const QString source =
        QStringLiteral(TEST_SOURCE_DIR) + QStringLiteral("/../app/resources/LICENSE.LGPL");
    const QString installed = QFileInfo(QStringLiteral(CLIPWISE_BINARY)).absolutePath() +
                              QStringLiteral("/Resources/LICENSE.LGPL");
    for (const QString &path : {source, installed}) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("GNU LESSER GENERAL PUBLIC LICENSE"));
        QVERIFY(text.contains("Version 3, 29 June 2007"));
        QVERIFY(text.contains("5. Combined Libraries."));
        QVERIFY(!text.contains('\0'));
    }
}

int main(int argc, char **argv)
{
    TestApp app(argc, argv, QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.8"));
    app.language();
    app.setStyleSheet(defaultStyleSheet);
    TestAboutDialog test;
    app.useResourceDirectory(test.resources.path() + QLatin1Char('/'));
    return QTest::qExec(&test, argc, argv);
}

#include "tst_aboutdialog.moc"

// The built-in style sheet: the rules other widgets rely on are carried word for word, Qt accepts
// the whole text, and the two pictures it names are in the program's resources.
#include "stylesheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace QMWidgets;

namespace {

QString condensed(const QString &text)
{
    QString s = text.simplified();
    // Spacing around braces is layout, not content.
    s.replace(QRegularExpression(QStringLiteral("\\s*\\{\\s*")), QStringLiteral(" { "));
    s.replace(QRegularExpression(QStringLiteral("\\s*\\}\\s*")), QStringLiteral(" } "));
    return s.simplified();
}

QStringList capturedWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        capturedWarnings.append(message);
}

} // namespace

class TestStyleSheet final : public QObject
{
    Q_OBJECT

private slots:
    void textIsOneAsciiLine();
    void declaredRulesAreCarriedVerbatim_data();
    void declaredRulesAreCarriedVerbatim();
    void selectorOnlyRulesArePresent_data();
    void selectorOnlyRulesArePresent();
    void aboutDialogTakesTheLaterBackgroundRule();
    void qtParsesTheWholeSheet();
    void labelGetsWhiteText();
    void standardPushButtonIsRestyledWhenNamedBeforeShowing();
    void picturesAreEmbedded_data();
    void picturesAreEmbedded();
};

void TestStyleSheet::textIsOneAsciiLine()
{
    QVERIFY(defaultStyleSheet.size() > 10000);
    QVERIFY(!defaultStyleSheet.contains(QLatin1Char('\n')));
    for (const QChar c : defaultStyleSheet)
        QVERIFY2(c.unicode() < 128, qPrintable(QString(c)));
    QCOMPARE(defaultStyleSheet.count(QStringLiteral("/*border: 2px outset black;*/")), 4);
    QCOMPARE(defaultStyleSheet.count(QLatin1Char('{')), defaultStyleSheet.count(QLatin1Char('}')));
}

void TestStyleSheet::declaredRulesAreCarriedVerbatim_data()
{
    QTest::addColumn<QString>("rule");
    const auto row = [](const char *name, const char *rule) {
        QTest::newRow(name) << QString::fromLatin1(rule);
    };
    row("every widget is black with the tiled picture",
        "QWidget { background: black; background-image: url(:/background.png); }");
    row("labels are white on the radial gradient",
        "QLabel { color: white; background: qradialgradient(cx:0, cy:0, radius: 1, fx:0.1, "
        "fy:0.1, stop:0.7 rgb(80,80,100), stop:0 rgba( 55, 60, 100, 80), stop:1 rgba( "
        "0,0,105,50)); border-radius: 4px; padding: 2px; }");
    row("logo label shows the product picture",
        "QLabel#LogoLabel { border-image:url(:/app.png) 0 0 0 0; }");
    row("combined dialog rule", "QWidget#AboutDialog, QWidget#Dialog { color: white; "
                                "background-image:url(:aboutbackground.png); border: none; }");
    row("about dialog rule", "QWidget#AboutDialog { color: white; "
                             "background-image:url(:/background.png); border: none; }");
    row("legal view is black on white",
        "QWidget#AboutLegalInfo { background: white; color: black; }");
    row("standard push button",
        "QPushButton#PushButton { border: 1px solid gray ; font: 14px bold; border-radius: 5px; "
        "color: lightgray; padding: 1px 8px 1px 8px; background: qlineargradient(x1:0, y1:1, "
        "x2:0, y2:0, stop:1 rgb(80,80,110), stop:0.4 rgb(31, 31, 63), stop:0.1 rgb(80,80,110) "
        "); }");
    row("standard push button pressed",
        "QPushButton#PushButton:pressed { background: qlineargradient(x1:0, y1:1, x2:0, y2:0, "
        "stop:1 rgb(31, 31, 63), stop:0.4 rgb(80,80,110), stop:0.1 rgb(31, 31, 61) ); }");
    row("standard push button focused",
        "QPushButton#PushButton:focus { border: 2px solid white ; color: white; background: "
        "qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:1 rgb(80,80,110), stop:0.4 "
        "rgb(80,80,110), stop:0.1 rgb(80,80,110) ); }");
    row("check boxes are light grey", "QCheckBox { color: lightgray; }");
    const char *share[][2] = {{"FaceBookShareButton", "facebookshare"},
                              {"TwitterShareButton", "twittershare"},
                              {"VKontakteShareButton", "vkontakteshare"},
                              {"EmailShareButton", "emailshare"},
                              {"JoinButton", "join"},
                              {"YouTubeJoinButton", "youtubejoin"},
                              {"FaceBookJoinButton", "facebookjoin"},
                              {"VKontakteJoinButton", "vkontaktejoin"},
                              {"TwitterJoinButton", "twitterjoin"},
                              {"EmailJoinButton", "emailjoin"}};
    for (const auto &s : share) {
        const QString name = QString::fromLatin1(s[0]);
        const QString pic = QString::fromLatin1(s[1]);
        QTest::newRow(qPrintable(name + QStringLiteral(" picture")))
            << QStringLiteral("QPushButton#%1 { border-image: url(:/%2.png) 0 0 0 0; }")
                   .arg(name, pic);
        QTest::newRow(qPrintable(name + QStringLiteral(" hover picture")))
            << QStringLiteral("QPushButton#%1:hover { border-image: url(:/%2_hover.png) 0 0 0 0; }")
                   .arg(name, pic);
    }
}

void TestStyleSheet::declaredRulesAreCarriedVerbatim()
{
    QFETCH(QString, rule);
    QVERIFY2(condensed(defaultStyleSheet).contains(condensed(rule)), qPrintable(rule));
}

void TestStyleSheet::selectorOnlyRulesArePresent_data()
{
    QTest::addColumn<QString>("selector");
    const char *selectors[] = {
        "QLineEdit",
        "QScrollArea",
        "QMenu, QWidget#ColorWidgetPopup",
        "QMenu::item",
        "QMenu:!active",
        "QMenu::item:selected",
        "QMenu::separator",
        "QMenu::item:disabled",
        "QMenu::indicator",
        "QMenu::item:checked",
        "QPushButton#GetButton",
        "QPushButton#GetButton:hover",
        "QPushButton#GetButton:pressed",
        "QPushButton#LikeButton",
        "QPushButton#LikeButton:hover",
        "QPushButton#DislikeButton",
        "QPushButton#DislikeButton:hover",
        "QFrame#MenuBar",
        "QPushButton::menu-indicator",
        "QWidget#NoteEditWidget",
        "QFrame#MainPage, QFrame#MainSeparator",
        "QFrame#TuneButtonsPanel, QFrame#TunersCommonPanel, QFrame#ModesPanel",
        "QFrame#TunersExplorer",
        "QPushButton#TuneButton",
        "QPushButton#PanelButton",
        "QPushButton#PanelButton:pressed",
        "QPushButton#NewScreenShowButton",
        "QPushButton#NewScreenShowButton:hover",
        "QPushButton#NewScreenShowButton:pressed",
        "QPushButton#ImageNoteEditorPen:checked:hover",
        "QPushButton#ImageNoteEditorUndo:disabled",
        "QWidget#ImageNoteEditorColorDecor",
        "QPushButton#NoteEditWidgetAccept:pressed",
        "QLabel#TopWidgetTitle:hover",
        "QPushButton#TopWidgetClose:disabled"};
    for (const char *s : selectors)
        QTest::newRow(s) << QString::fromLatin1(s);
}

void TestStyleSheet::selectorOnlyRulesArePresent()
{
    QFETCH(QString, selector);
    const QString sheet = condensed(defaultStyleSheet);
    const int at = sheet.indexOf(QStringLiteral("} ") + selector + QStringLiteral(" { "));
    QVERIFY2(at >= 0, qPrintable(selector));
    // A rule with declarations, not an empty block.
    const int open = sheet.indexOf(QLatin1Char('{'), at + 2);
    const int close = sheet.indexOf(QLatin1Char('}'), open);
    QVERIFY(sheet.mid(open + 1, close - open - 1).contains(QLatin1Char(':')));
}

void TestStyleSheet::aboutDialogTakesTheLaterBackgroundRule()
{
    const QString sheet = condensed(defaultStyleSheet);
    const int combined = sheet.indexOf(QStringLiteral("QWidget#AboutDialog, QWidget#Dialog {"));
    const int own = sheet.lastIndexOf(QStringLiteral("} QWidget#AboutDialog {"));
    QVERIFY(combined >= 0);
    QVERIFY2(own > combined, "the About dialog's own rule must come after the combined one");
    const QString ownRule = sheet.mid(own, sheet.indexOf(QLatin1Char('}'), own + 2) - own);
    QVERIFY(ownRule.contains(QStringLiteral("url(:/background.png)")));
    // And Qt honours the order: the dialog is drawn with the tiled picture, not left black.
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("AboutDialog"));
    dialog.resize(256, 256);
    const QImage drawn = dialog.grab().toImage();
    const QImage tile = QImage(QStringLiteral(":/background.png")).convertToFormat(drawn.format());
    QCOMPARE(drawn.pixel(5, 7), tile.pixel(5, 7));
    QCOMPARE(drawn.pixel(100, 90), tile.pixel(100, 90));
}

void TestStyleSheet::qtParsesTheWholeSheet()
{
    capturedWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    qApp->setStyleSheet(QString());
    qApp->setStyleSheet(defaultStyleSheet);
    QWidget window;
    auto *label = new QLabel(QStringLiteral("text"), &window);
    auto *button = new QPushButton(QStringLiteral("button"), &window);
    button->setObjectName(QStringLiteral("PushButton"));
    window.show();
    label->ensurePolished();
    button->ensurePolished();
    qInstallMessageHandler(previous);
    QVERIFY2(capturedWarnings.isEmpty(), qPrintable(capturedWarnings.join(QLatin1Char('\n'))));
}

void TestStyleSheet::labelGetsWhiteText()
{
    QLabel label(QStringLiteral("text"));
    label.ensurePolished();
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::white));
    QCheckBox box(QStringLiteral("check"));
    box.ensurePolished();
    QCOMPARE(box.palette().color(QPalette::WindowText), QColor(QStringLiteral("lightgray")));
}

void TestStyleSheet::standardPushButtonIsRestyledWhenNamedBeforeShowing()
{
    QPushButton plain(QStringLiteral("plain"));
    plain.ensurePolished();
    QPushButton named(QStringLiteral("named"));
    named.setObjectName(QStringLiteral("PushButton"));
    named.ensurePolished();
    QCOMPARE(named.palette().color(QPalette::ButtonText), QColor(QStringLiteral("lightgray")));
    QVERIFY(plain.palette().color(QPalette::ButtonText) != QColor(QStringLiteral("lightgray")));
}

void TestStyleSheet::picturesAreEmbedded_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("minimumSide");
    QTest::newRow("tiled background") << QStringLiteral(":/background.png") << 32;
    QTest::newRow("product logo") << QStringLiteral(":/app.png") << 290;
}

void TestStyleSheet::picturesAreEmbedded()
{
    QFETCH(QString, path);
    QFETCH(int, minimumSide);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.width() >= minimumSide && image.height() >= minimumSide);
    // A designed picture, not a flat placeholder: more than a handful of colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 16);
    // Dark enough for white text on the dark look.
    if (path.contains(QStringLiteral("background"))) {
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += qGray(image.pixel(x, y));
        QVERIFY(sum / (image.width() * image.height()) < 60);
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerProgramResources();
    app.setStyleSheet(defaultStyleSheet);
    TestStyleSheet test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stylesheet.moc"

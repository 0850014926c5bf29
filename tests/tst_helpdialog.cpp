// The introduction: slide show timing, the skip choice, the reused window, its pictures.
#include "app.h"
#include "engagementpictures.h"
#include "helpdialog.h"
#include "helpdisplay.h"
#include "helpviewarea.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace QMWidgets;

namespace {

int argcStore = 1;
char arg0[] = "tst_helpdialog";
char *argvStore[] = {arg0, nullptr};

std::unique_ptr<App> makeApp()
{
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Clipwise")).clear();
    return std::make_unique<App>(argcStore, argvStore, QStringLiteral("Velmora"),
                                 QStringLiteral("Clipwise"));
}

// The timer's own signal, as when five seconds have passed.
void fire(QTimer *timer)
{
    QVERIFY(timer->isActive());
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

int checkedSlide(HelpViewArea *area)
{
    return area->buttons()->buttons().indexOf(area->buttons()->checkedButton()) + 1;
}

} // namespace

class LinkCatcher final : public QObject
{
    Q_OBJECT

public:
    QStringList links;

public slots:
    void open(const QUrl &url) { links << url.toString(); }
};

class TestHelpDialog final : public QObject
{
    Q_OBJECT

private slots:
    void slidesAdvanceEveryFiveSecondsAndWrap();
    void clickingASlideStopsTheAdvance();
    void withoutSlidesTheTimerDoesNothing();
    void alwaysSkipHidesTheSkipButtonNextTime();
    void helpSlotReusesOneWindow();
    void videoButtonOnlyWithALink();
    void slidePicturesAreSharpAtRatioTwo();
    void displayDrawsTheSlideCentredOnBlack();
};

void TestHelpDialog::slidesAdvanceEveryFiveSecondsAndWrap()
{
    auto app = makeApp();
    HelpDialog dialog(nullptr, false);
    for (const QString &slide : introductionSlides())
        dialog.addSlide(slide);
    HelpViewArea *area = dialog.helpViewArea();
    QCOMPARE(area->slides(), 3);
    QCOMPARE(area->timer()->interval(), 5000);
    QVERIFY(!area->timer()->isActive());

    dialog.show();
    QCOMPARE(checkedSlide(area), 1);
    QCOMPARE(area->helpDisplay()->slide(), QStringLiteral(":/help/slide1.png"));
    for (int expected : {2, 3, 1, 2}) {
        fire(area->timer());
        QCOMPARE(checkedSlide(area), expected);
        QCOMPARE(area->helpDisplay()->slide(), QStringLiteral(":/help/slide%1.png").arg(expected));
    }
    dialog.hide();
    QVERIFY(!area->timer()->isActive());
    dialog.show(); // continues from the checked slide
    QVERIFY(area->timer()->isActive());
    QCOMPARE(checkedSlide(area), 2);
}

void TestHelpDialog::clickingASlideStopsTheAdvance()
{
    auto app = makeApp();
    HelpDialog dialog(nullptr, false);
    for (const QString &slide : introductionSlides())
        dialog.addSlide(slide);
    dialog.show();
    HelpViewArea *area = dialog.helpViewArea();
    QAbstractButton *second = area->buttons()->buttons().at(1);
    QCOMPARE(second->text(), QStringLiteral("2"));
    QCOMPARE(second->size(), QSize(18, 18));
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(checkedSlide(area), 2);
    QCOMPARE(area->helpDisplay()->slide(), QStringLiteral(":/help/slide2.png"));
    QVERIFY(!area->timer()->isActive());
    dialog.hide();
    dialog.show();
    QVERIFY(area->timer()->isActive());
}

void TestHelpDialog::withoutSlidesTheTimerDoesNothing()
{
    auto app = makeApp();
    HelpDialog dialog(nullptr, false);
    dialog.show();
    HelpViewArea *area = dialog.helpViewArea();
    fire(area->timer());
    QVERIFY(area->buttons()->buttons().isEmpty());
    QVERIFY(area->helpDisplay()->slide().isEmpty());
}

void TestHelpDialog::alwaysSkipHidesTheSkipButtonNextTime()
{
    auto app = makeApp();
    QVERIFY(HelpDialog::shouldShowIntroduction());
    {
        HelpDialog dialog(nullptr, false);
        dialog.show();
        QVERIFY(dialog.skip()->isVisible());
        QCOMPARE(dialog.skip()->text(), QStringLiteral("&Always skip intro"));
        dialog.skip()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QVERIFY(app->setting(QStringLiteral("NeverShowItAgain")).toBool());
    QVERIFY(!HelpDialog::shouldShowIntroduction());
    HelpDialog next(nullptr, false);
    next.show();
    QVERIFY(!next.skip()->isVisible());
    QVERIFY(next.close()->isVisible());
}

void TestHelpDialog::helpSlotReusesOneWindow()
{
    auto app = makeApp();
    app->setHelpSlides(introductionSlides());
    app->slotHelp();
    QPointer<HelpDialog> first = app->helpDialogPointer();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    QCOMPARE(first->helpViewArea()->slides(), 3);
    first->close();
    app->slotHelp();
    QCOMPARE(app->helpDialogPointer(), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(first->helpViewArea()->slides(), 3); // not added twice
    app.reset();
    QVERIFY(!first); // goes with the application object
}

void TestHelpDialog::videoButtonOnlyWithALink()
{
    auto app = makeApp();
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    HelpDialog dialog(nullptr, false);
    dialog.setVideoLink(QString());
    QVERIFY(!dialog.video()->isVisibleTo(&dialog));
    dialog.slotWatchVideo();
    QVERIFY(catcher.links.isEmpty());
    dialog.setVideoLink(QStringLiteral("https://youtu.be/abc"));
    QVERIFY(dialog.video()->isVisibleTo(&dialog));
    dialog.video()->click();
    QCOMPARE(catcher.links, QStringList{QStringLiteral("https://youtu.be/abc")});
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestHelpDialog::slidePicturesAreSharpAtRatioTwo()
{
    const QStringList slides = introductionSlides();
    QCOMPARE(slides.size(), 3);
    for (const QString &slide : slides) {
        const QImage plain(slide);
        const QString sharpPath = slideFileForRatio(slide, 2);
        QCOMPARE(sharpPath,
                 QString(slide).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        const QImage sharp(sharpPath);
        QCOMPARE(plain.size(), QSize(400, 300));
        QCOMPARE(sharp.size(), QSize(800, 600));
        // Drawn into the 400x300 area at ratio 2, every device pixel comes from the sharp file.
        QCOMPARE(fittedSlide(sharp, QSize(400, 300), 2).size(), QSize(800, 600));
    }
}

void TestHelpDialog::displayDrawsTheSlideCentredOnBlack()
{
    auto app = makeApp();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tall.png"));
    QImage tall(100, 600, QImage::Format_RGB32);
    tall.fill(Qt::red);
    QVERIFY(tall.save(path));
    HelpDisplay display;
    display.setFrameShape(QFrame::NoFrame);
    display.resize(400, 300);
    display.setSlidePath(path);
    const QImage shot = display.grab().toImage();
    QCOMPARE(shot.pixelColor(200, 150), QColor(Qt::red));  // centre: the picture
    QCOMPARE(shot.pixelColor(10, 150), QColor(Qt::black)); // sides: black
    QCOMPARE(shot.pixelColor(390, 150), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(200, 1), QColor(Qt::red)); // full height
}

QTEST_APPLESS_MAIN(TestHelpDialog)
#include "tst_helpdialog.moc"

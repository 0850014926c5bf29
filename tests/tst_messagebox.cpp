// The program's message box: which buttons a bit set creates and in which order, what each
// returns, Escape, the icon area, the static functions (which free their box) and the vertical
// button row on small screens.
#include "mmessagebox.h"
#include "smallscreen.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace QMWidgets;

namespace {

QList<QPushButton *> buttonsInOrder(const MMessageBox &box)
{
    QList<QPushButton *> buttons = box.findChildren<QPushButton *>();
    // Layout order: left to right, or top to bottom when stacked.
    std::sort(buttons.begin(), buttons.end(), [](const QPushButton *a, const QPushButton *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    return buttons;
}

QStringList texts(const QList<QPushButton *> &buttons)
{
    QStringList result;
    for (const QPushButton *b : buttons)
        result.append(b->text());
    return result;
}

// Runs `action` on the modal box as soon as the event loop of exec() has it on screen.
void whenModal(std::function<void(QWidget *)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}

} // namespace

class TestMessageBox final : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFollowTheTableOrder_data();
    void buttonsFollowTheTableOrder();
    void everyButtonReturnsItsValue_data();
    void everyButtonReturnsItsValue();
    void buttonsHaveTheStandardLook();
    void escapeGivesZero();
    void iconArea_data();
    void iconArea();
    void staticFunctionsRunAndFreeTheBox_data();
    void staticFunctionsRunAndFreeTheBox();
    void smallScreenThreshold_data();
    void smallScreenThreshold();
    void buttonRowFollowsScreenSize();
};

void TestMessageBox::buttonsFollowTheTableOrder_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("userText");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("No comes before Yes")
        << int(QMessageBox::Yes | QMessageBox::No) << QString() << QStringList{"No", "Yes"};
    QTest::newRow("Ok before Cancel")
        << int(QMessageBox::Cancel | QMessageBox::Ok) << QString() << QStringList{"Ok", "Cancel"};
    QTest::newRow("every bit in table order")
        << int(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::No | QMessageBox::Yes |
               QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore |
               QMessageBox::YesToAll | QMessageBox::NoToAll)
        << QString()
        << QStringList{"Ok", "Cancel", "No", "Yes", "Abort", "Retry", "Ignore", "YesAll", "NoAll"};
    QTest::newRow("user-defined button comes last")
        << int(QMessageBox::Yes | QMessageBox::No) << QStringLiteral("Later")
        << QStringList{"No", "Yes", "Later"};
    QTest::newRow("user-defined button alone")
        << 0 << QStringLiteral("Do it") << QStringList{"Do it"};
    QTest::newRow("unknown bits are ignored")
        << int(QMessageBox::Save | QMessageBox::Help | 0x1) << QString() << QStringList{};
    QTest::newRow("empty set shows no buttons") << 0 << QString() << QStringList{};
}

void TestMessageBox::buttonsFollowTheTableOrder()
{
    QFETCH(int, bits);
    QFETCH(QString, userText);
    QFETCH(QStringList, expected);
    MMessageBox box(MMessageBox::Question, QStringLiteral("Title"), QStringLiteral("Text"), bits,
                    nullptr, userText);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(texts(buttonsInOrder(box)), expected);
}

void TestMessageBox::everyButtonReturnsItsValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("Ok") << "Ok" << int(QMessageBox::Ok);
    QTest::newRow("Cancel") << "Cancel" << int(QMessageBox::Cancel);
    QTest::newRow("No") << "No" << int(QMessageBox::No);
    QTest::newRow("Yes") << "Yes" << int(QMessageBox::Yes);
    QTest::newRow("Abort") << "Abort" << int(QMessageBox::Abort);
    QTest::newRow("Retry") << "Retry" << int(QMessageBox::Retry);
    QTest::newRow("Ignore") << "Ignore" << int(QMessageBox::Ignore);
    QTest::newRow("YesAll") << "YesAll" << int(QMessageBox::YesToAll);
    QTest::newRow("NoAll") << "NoAll" << int(QMessageBox::NoToAll);
    QTest::newRow("user-defined") << "Mine" << MMessageBox::UserDefinedResult;
}

void TestMessageBox::everyButtonReturnsItsValue()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    const int all = QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::No | QMessageBox::Yes |
                    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore |
                    QMessageBox::YesToAll | QMessageBox::NoToAll;
    MMessageBox box(MMessageBox::Information, QStringLiteral("Title"), QStringLiteral("Text"), all,
                    nullptr, QStringLiteral("Mine"));
    whenModal([text](QWidget *modal) {
        for (QPushButton *b : modal->findChildren<QPushButton *>()) {
            if (b->text() == text) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        }
        QFAIL("button not found");
    });
    QCOMPARE(box.exec(), result);
    QVERIFY(!box.isVisible());
}

void TestMessageBox::buttonsHaveTheStandardLook()
{
    MMessageBox box(MMessageBox::Warning, QStringLiteral("Title"), QStringLiteral("Text"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.objectName(), QStringLiteral("MessageBox"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Title"));
    QVERIFY(box.minimumWidth() >= 300 && box.minimumHeight() >= 200);
    const QList<QPushButton *> buttons = box.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 2);
    for (const QPushButton *b : buttons) {
        QCOMPARE(b->objectName(), QStringLiteral("PushButton"));
        QVERIFY(b->isFlat());
        QCOMPARE(b->minimumHeight(), 32);
    }
}

void TestMessageBox::escapeGivesZero()
{
    MMessageBox box(MMessageBox::Question, QStringLiteral("Title"), QStringLiteral("Text"),
                    QMessageBox::Yes | QMessageBox::No);
    whenModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    const int result = box.exec();
    QCOMPARE(result, 0);
    for (int value : {int(QMessageBox::Yes), int(QMessageBox::No), MMessageBox::UserDefinedResult})
        QVERIFY(result != value);

    MMessageBox empty(MMessageBox::NoIcon, QStringLiteral("Title"), QStringLiteral("Text"), 0);
    whenModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(empty.exec(), 0);
}

void TestMessageBox::iconArea_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("hasPicture");
    QTest::newRow("no icon") << 0 << false;
    QTest::newRow("information") << 1 << true;
    QTest::newRow("warning") << 2 << true;
    QTest::newRow("critical") << 3 << true;
    QTest::newRow("question") << 4 << true;
    QTest::newRow("unknown code behaves like none") << 9 << false;
    QTest::newRow("negative code behaves like none") << -1 << false;
}

void TestMessageBox::iconArea()
{
    QFETCH(int, icon);
    QFETCH(bool, hasPicture);
    MMessageBox box(icon, QStringLiteral("Title"), QStringLiteral("Some <b>rich</b> text"),
                    QMessageBox::Ok);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QLabel *iconLabel = nullptr;
    QLabel *textLabel = nullptr;
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->wordWrap())
            textLabel = label;
        else
            iconLabel = label;
    }
    QVERIFY(iconLabel && textLabel);
    QCOMPARE(textLabel->text(), QStringLiteral("Some <b>rich</b> text"));
    QVERIFY(iconLabel->x() < textLabel->x());
    const QPixmap picture = iconLabel->pixmap(Qt::ReturnByValue);
    QCOMPARE(!picture.isNull(), hasPicture);
    if (hasPicture)
        QCOMPARE(iconLabel->size(), picture.size() + QSize(5, 5));
    else
        QCOMPARE(iconLabel->size(), QSize(5, 5));
}

void TestMessageBox::staticFunctionsRunAndFreeTheBox_data()
{
    using Fn = int (*)(QWidget *, const QString &, const QString &, int);
    QTest::addColumn<quintptr>("function");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("result");
    QTest::newRow("information, Ok")
        << quintptr(Fn(&MMessageBox::information)) << "Ok" << int(QMessageBox::Ok);
    QTest::newRow("warning, Retry")
        << quintptr(Fn(&MMessageBox::warning)) << "Retry" << int(QMessageBox::Retry);
    QTest::newRow("critical, Abort")
        << quintptr(Fn(&MMessageBox::critical)) << "Abort" << int(QMessageBox::Abort);
    QTest::newRow("question, No") << quintptr(Fn(&MMessageBox::question)) << "No"
                                  << int(QMessageBox::No);
    QTest::newRow("question closed by Escape")
        << quintptr(Fn(&MMessageBox::question)) << QString() << 0;
}

void TestMessageBox::staticFunctionsRunAndFreeTheBox()
{
    using Fn = int (*)(QWidget *, const QString &, const QString &, int);
    QFETCH(quintptr, function);
    QFETCH(QString, clicked);
    QFETCH(int, result);
    QWidget parent;
    QPointer<QWidget> seen;
    bool found = false;
    whenModal([&seen, &found, clicked](QWidget *modal) {
        seen = modal;
        found = true;
        QCOMPARE(modal->objectName(), QStringLiteral("MessageBox"));
        if (clicked.isEmpty()) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        for (QPushButton *b : modal->findChildren<QPushButton *>())
            if (b->text() == clicked)
                QTest::mouseClick(b, Qt::LeftButton);
    });
    const int all = QMessageBox::Ok | QMessageBox::No | QMessageBox::Yes | QMessageBox::Abort |
                    QMessageBox::Retry;
    const int got = reinterpret_cast<Fn>(function)(&parent, QStringLiteral("Title"),
                                                   QStringLiteral("Text"), all);
    QCOMPARE(got, result);
    QVERIFY(found);
    QVERIFY2(seen.isNull(), "the box must be deleted once exec() returned");
    QVERIFY(parent.findChildren<MMessageBox *>().isEmpty());
}

void TestMessageBox::smallScreenThreshold_data()
{
    QTest::addColumn<QSize>("desktop");
    QTest::addColumn<bool>("small");
    QTest::newRow("ordinary desktop") << QSize(1280, 800) << false;
    QTest::newRow("exactly 480 square is not small") << QSize(480, 480) << false;
    QTest::newRow("narrow") << QSize(479, 800) << true;
    QTest::newRow("low") << QSize(800, 479) << true;
    QTest::newRow("phone in portrait") << QSize(320, 480) << true;
}

void TestMessageBox::smallScreenThreshold()
{
    QFETCH(QSize, desktop);
    QFETCH(bool, small);
    QCOMPARE(isSmallScreenSize(desktop), small);
}

void TestMessageBox::buttonRowFollowsScreenSize()
{
    // Run once on the ordinary test screen and once on a small Xvfb screen (see CMakeLists.txt,
    // which sets CLIPWISE_EXPECT_SMALL_SCREEN for that run).
    const bool expectSmall = qEnvironmentVariableIsSet("CLIPWISE_EXPECT_SMALL_SCREEN");
    QCOMPARE(isSmallScreen(), expectSmall);
    MMessageBox box(MMessageBox::Question, QStringLiteral("Title"), QStringLiteral("Text"),
                    QMessageBox::Yes | QMessageBox::No);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QPushButton *no = nullptr;
    QPushButton *yes = nullptr;
    for (QPushButton *b : box.findChildren<QPushButton *>())
        (b->text() == QLatin1String("No") ? no : yes) = b;
    QVERIFY(no && yes);
    if (expectSmall) {
        QVERIFY2(no->geometry().bottom() < yes->geometry().top(), "No above Yes");
        QCOMPARE(no->x(), yes->x());
    } else {
        QVERIFY2(no->geometry().right() < yes->geometry().left(), "No left of Yes");
        QCOMPARE(no->y(), yes->y());
    }
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"

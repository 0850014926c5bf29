// The style sheet editor window and its document, with the file dialogs answered by the test
// and message boxes read and closed by the test.
#include "app.h"
#include "cssdoc.h"
#include "csseditor.h"
#include "csssyntaxhighlighter.h"
#include "filedialogs.h"

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

using QMWidgets::CssDoc;
using QMWidgets::CssEditor;
using QMWidgets::FileDialogRequest;

namespace {

// Answers every file dialog with the next queued path and records what was asked.
struct DialogScript
{
    QStringList answers;
    QList<FileDialogRequest> requests;

    DialogScript()
    {
        QMWidgets::setFileDialogRunner([this](const FileDialogRequest &request) {
            requests << request;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    ~DialogScript() { QMWidgets::setFileDialogRunner({}); }
};

struct ShownBox
{
    QString title;
    QString text;
};

// Runs trigger; the first modal window that shows up meanwhile is read and closed.
ShownBox closeNextModal(const std::function<void()> &trigger)
{
    ShownBox seen;
    bool found = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || found)
            return;
        found = true;
        seen.title = modal->windowTitle();
        const QList<QLabel *> labels = modal->findChildren<QLabel *>();
        for (QLabel *label : labels)
            seen.text += label->text() + QLatin1Char('\n');
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QColor viewportColour(QTextEdit *edit)
{
    return edit->viewport()->grab().toImage().pixelColor(5, 5);
}

QList<CssEditor *> editorWindows()
{
    QList<CssEditor *> editors;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *editor = qobject_cast<CssEditor *>(window))
            editors << editor;
    }
    return editors;
}

QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *action : actions)
        texts << (action->isSeparator()
                      ? QStringLiteral("|")
                      : action->text() + QLatin1Char('=') + action->shortcut().toString());
    return texts;
}

} // namespace

class TestCssEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newWindowStartsEmpty();
    void menusAndToolBarInOrder();
    void loadSetsTextAndTitle();
    void loadThatFindsNothingChangesNothing_data();
    void loadThatFindsNothingChangesNothing();
    void saveWithoutFileAsksAndCancelWritesNothing();
    void saveAsThenSaveWritesTheFile();
    void failedSaveAsKeepsTitleAndReports_data();
    void failedSaveAsKeepsTitleAndReports();
    void failedSaveKeepsTitleAndReports();
    void applyKeepsTheEditorLook();
    void resetEmptiesTheApplicationSheet();
    void letterRResetsOnlyOutsideTheText();
    void setInfoTwiceGivesFiveLines();
    void setInfoLabelsEachWindowOnce();
    void aboutShowsItsBox();
    void showCssEditorOpensANewWindowEachTime();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CssEditor> editor;
};

void TestCssEditor::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    qApp->setStyleSheet(QString());
    editor = std::make_unique<CssEditor>();
    editor->resize(400, 300);
    editor->show();
}

void TestCssEditor::cleanup()
{
    editor.reset();
    dir.reset();
    qApp->setStyleSheet(QString());
}

void TestCssEditor::newWindowStartsEmpty()
{
    qApp->setStyleSheet(QStringLiteral("QLabel { color: green; }"));
    CssEditor fresh;
    CssDoc *doc = fresh.document();
    QVERIFY(doc);
    QCOMPARE(fresh.centralWidget(), doc);
    QCOMPARE(doc->toPlainText(), QString());
    QCOMPARE(doc->filePath(), QString());
    QCOMPARE(fresh.windowTitle(), QString());
    QCOMPARE(fresh.statusBar()->currentMessage(), QStringLiteral("Ready"));
    QCOMPARE(doc->document()->defaultFont().family(), QStringLiteral("Lucida Console"));
    QCOMPARE(doc->document()->defaultFont().pointSize(), 12);
    QCOMPARE(doc->document()->defaultFont().weight(), int(QFont::Normal));
    QVERIFY(!doc->document()->defaultFont().italic());
    QCOMPARE(doc->styleSheet(), QStringLiteral("QTextEdit{background: #000060; color: yellow;}"));
    QVERIFY(doc->syntaxHighlighter());
    QCOMPARE(doc->syntaxHighlighter()->document(), doc->document());
}

void TestCssEditor::menusAndToolBarInOrder()
{
    const QList<QAction *> menus = editor->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(menus.at(1)->text(), QStringLiteral("&Help"));
    QCOMPARE(actionTexts(menus.at(0)->menu()->actions()),
             QStringList({"&Open...=Ctrl+O", "&Save=Ctrl+S", "&SetInfo=Ctrl+I", "&Apply=Ctrl+A",
                          "S&ave As...=", "|"}));
    QCOMPARE(actionTexts(menus.at(1)->menu()->actions()), QStringList({"&About=F1", "&Reset=R"}));

    const QList<QToolBar *> bars = editor->findChildren<QToolBar *>();
    QCOMPARE(bars.size(), 1);
    QCOMPARE(bars.first()->windowTitle(), QStringLiteral("Operations"));
    QCOMPARE(editor->toolBarArea(bars.first()), Qt::TopToolBarArea);
    QCOMPARE(actionTexts(bars.first()->actions()),
             QStringList({"&Open...=Ctrl+O", "&Save=Ctrl+S", "&Apply=Ctrl+A", "&Reset=R",
                          "&SetInfo=Ctrl+I"}));
}

void TestCssEditor::loadSetsTextAndTitle()
{
    const QString path = dir->filePath(QStringLiteral("dark.qss"));
    const QByteArray sheet = "QWidget { background: black; }\n/* two\nlines */\n";
    QVERIFY(writeFile(path, sheet));

    DialogScript dialogs;
    dialogs.answers << path;
    QSignalSpy titles(editor->document(), &CssDoc::changeWindowTitle);
    editor->document()->slotLoad();

    QCOMPARE(dialogs.requests.size(), 1);
    const FileDialogRequest &asked = dialogs.requests.first();
    QCOMPARE(asked.parent, static_cast<QWidget *>(editor->document()));
    QCOMPARE(asked.caption, QString());
    QCOMPARE(asked.directory, QString());
    QCOMPARE(asked.filter, QString());
    QCOMPARE(asked.fileMode, QFileDialog::ExistingFile);
    QCOMPARE(asked.acceptMode, QFileDialog::AcceptOpen);

    QCOMPARE(editor->document()->toPlainText(), QString::fromUtf8(sheet));
    // The loaded text is coloured: the comment's second line is dark grey.
    const QTextBlock commentEnd = editor->document()->document()->findBlockByNumber(2);
    QCOMPARE(commentEnd.text(), QStringLiteral("lines */"));
    QCOMPARE(commentEnd.layout()->formats().value(0).format.foreground().color(),
             QColor(Qt::darkGray));
    QCOMPARE(editor->document()->filePath(), path);
    QCOMPARE(titles.size(), 1);
    QCOMPARE(titles.first().first().toString(), path);
    QCOMPARE(editor->windowTitle(), QDir::toNativeSeparators(path));
}

void TestCssEditor::loadThatFindsNothingChangesNothing_data()
{
    QTest::addColumn<QString>("answer"); // relative to the temporary folder; "-" is cancel

    QTest::newRow("dialog cancelled") << "-";
    QTest::newRow("file vanished") << "gone.qss";
    QTest::newRow("path is a folder") << "";
}

void TestCssEditor::loadThatFindsNothingChangesNothing()
{
    QFETCH(QString, answer);
    editor->document()->setPlainText(QStringLiteral("typed, not saved"));

    DialogScript dialogs;
    dialogs.answers << (answer == QLatin1String("-") ? QString() : dir->filePath(answer));
    QSignalSpy titles(editor->document(), &CssDoc::changeWindowTitle);
    editor->document()->slotLoad();

    QCOMPARE(dialogs.requests.size(), 1);
    QCOMPARE(editor->document()->toPlainText(), QStringLiteral("typed, not saved"));
    QCOMPARE(editor->document()->filePath(), QString());
    QCOMPARE(titles.size(), 0);
    QCOMPARE(editor->windowTitle(), QString());
}

void TestCssEditor::saveWithoutFileAsksAndCancelWritesNothing()
{
    editor->document()->setPlainText(QStringLiteral("QLabel { color: red; }"));
    DialogScript dialogs; // no answer: the dialog is cancelled
    QSignalSpy titles(editor->document(), &CssDoc::changeWindowTitle);
    editor->document()->slotSave();

    QCOMPARE(dialogs.requests.size(), 1);
    QCOMPARE(dialogs.requests.first().acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(dialogs.requests.first().fileMode, QFileDialog::AnyFile);
    QCOMPARE(dialogs.requests.first().directory, QString());
    QCOMPARE(QDir(dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QCOMPARE(titles.size(), 0);
    QCOMPARE(editor->windowTitle(), QString());
    QCOMPARE(editor->document()->filePath(), QString());
}

void TestCssEditor::saveAsThenSaveWritesTheFile()
{
    const QString first = dir->filePath(QStringLiteral("first.qss"));
    const QString second = dir->filePath(QStringLiteral("second.qss"));
    QVERIFY(writeFile(second, "old contents that are longer than the new ones\n"));

    DialogScript dialogs;
    dialogs.answers << first;
    editor->document()->setPlainText(QStringLiteral("QLabel { color: red; }"));
    editor->document()->slotSave();
    QCOMPARE(readFile(first), QByteArray("QLabel { color: red; }"));
    QCOMPARE(editor->windowTitle(), QDir::toNativeSeparators(first));

    // Bound to a file now: Save writes without asking.
    editor->document()->setPlainText(QStringLiteral("QLabel { color: blue; }"));
    editor->document()->slotSave();
    QCOMPARE(dialogs.requests.size(), 1);
    QCOMPARE(readFile(first), QByteArray("QLabel { color: blue; }"));

    // Save as starts from the current file and truncates what it replaces.
    dialogs.answers << second;
    editor->document()->slotSaveAs();
    QCOMPARE(dialogs.requests.size(), 2);
    QCOMPARE(dialogs.requests.at(1).directory, first);
    QCOMPARE(dialogs.requests.at(1).acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(readFile(second), QByteArray("QLabel { color: blue; }"));
    QCOMPARE(editor->document()->filePath(), second);
    QCOMPARE(editor->windowTitle(), QDir::toNativeSeparators(second));
}

void TestCssEditor::failedSaveAsKeepsTitleAndReports_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder missing")
        << QStringLiteral("missing/folder/out.qss") << QStringLiteral("No such file or directory");
    QTest::newRow("target is a folder") << QStringLiteral("sub") << QStringLiteral("directory");
    if (QFileInfo::exists(QStringLiteral("/dev/full")))
        QTest::newRow("device full")
            << QStringLiteral("/dev/full") << QStringLiteral("No space left on device");
}

void TestCssEditor::failedSaveAsKeepsTitleAndReports()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sub")));
    const QString good = dir->filePath(QStringLiteral("good.qss"));
    QVERIFY(writeFile(good, "QLabel {}"));
    const QString bad = QDir::isAbsolutePath(target) ? target : dir->filePath(target);

    DialogScript dialogs;
    dialogs.answers << good;
    editor->document()->slotLoad();
    QCOMPARE(editor->windowTitle(), QDir::toNativeSeparators(good));

    editor->document()->setPlainText(QString(70000, QLatin1Char('x')));
    dialogs.answers << bad;
    QSignalSpy titles(editor->document(), &CssDoc::changeWindowTitle);
    const ShownBox box = closeNextModal([&]() { editor->document()->slotSaveAs(); });

    QVERIFY2(box.text.contains(QDir::toNativeSeparators(bad)), qPrintable(box.text));
    QVERIFY2(box.text.contains(reason, Qt::CaseInsensitive), qPrintable(box.text));
    QVERIFY(!box.title.isEmpty());
    QCOMPARE(titles.size(), 0);
    QCOMPARE(editor->windowTitle(), QDir::toNativeSeparators(good));
    QCOMPARE(editor->document()->filePath(), good);
    QCOMPARE(readFile(good), QByteArray("QLabel {}"));
}

void TestCssEditor::failedSaveKeepsTitleAndReports()
{
    const QString path = dir->filePath(QStringLiteral("sheet.qss"));
    QVERIFY(writeFile(path, "QLabel {}"));
    DialogScript dialogs;
    dialogs.answers << path;
    editor->document()->slotLoad();

    // The file is replaced by a folder of the same name behind the editor's back.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("sheet.qss")));
    QSignalSpy titles(editor->document(), &CssDoc::changeWindowTitle);
    const ShownBox box = closeNextModal([&]() { editor->document()->slotSave(); });

    QCOMPARE(dialogs.requests.size(), 1);
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("directory"), Qt::CaseInsensitive),
             qPrintable(box.text));
    QCOMPARE(titles.size(), 0);
    QCOMPARE(editor->windowTitle(), QDir::toNativeSeparators(path));
}

void TestCssEditor::applyKeepsTheEditorLook()
{
    QTextEdit plain;
    plain.resize(100, 100);
    plain.show();
    const QString sheet = QStringLiteral(
        "QTextEdit { background: red; color: blue; font-family: Courier; font-size: 30pt; }");
    CssDoc *doc = editor->document();
    doc->setPlainText(sheet);
    editor->slotApply();

    QCOMPARE(qApp->styleSheet(), sheet);
    QCOMPARE(viewportColour(&plain), QColor(Qt::red));
    QCOMPARE(viewportColour(doc), QColor(0x00, 0x00, 0x60));
    QCOMPARE(doc->palette().color(QPalette::Text), QColor(Qt::yellow));
    QCOMPARE(doc->document()->defaultFont().family(), QStringLiteral("Lucida Console"));
    QCOMPARE(doc->document()->defaultFont().pointSize(), 12);

    // A second sheet replaces the first, it does not add to it.
    doc->setPlainText(QStringLiteral("QLabel { color: green; }"));
    editor->slotApply();
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: green; }"));
    QVERIFY(viewportColour(&plain) != QColor(Qt::red));
    QCOMPARE(viewportColour(doc), QColor(0x00, 0x00, 0x60));
}

void TestCssEditor::resetEmptiesTheApplicationSheet()
{
    QTextEdit plain;
    plain.resize(100, 100);
    plain.show();
    const QColor platformBase = viewportColour(&plain);
    // Stands in for the built-in default sheet, which Reset does not bring back either.
    qApp->setStyleSheet(QStringLiteral("QTextEdit { background: red; }"));
    QCOMPARE(viewportColour(&plain), QColor(Qt::red));

    editor->slotReset();
    QCOMPARE(qApp->styleSheet(), QString());
    QCOMPARE(viewportColour(&plain), platformBase);
    QCOMPARE(viewportColour(editor->document()), QColor(0x00, 0x00, 0x60));
}

void TestCssEditor::letterRResetsOnlyOutsideTheText()
{
    QApplication::setActiveWindow(editor.get());
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));

    qApp->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    editor->document()->setFocus();
    QTest::keyClick(editor->document(), Qt::Key_R);
    QCOMPARE(editor->document()->toPlainText(), QStringLiteral("r"));
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));

    QToolBar *bar = editor->findChild<QToolBar *>();
    QVERIFY(bar);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setFocus();
    QTRY_VERIFY(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_R);
    QCOMPARE(qApp->styleSheet(), QString());
    QCOMPARE(editor->document()->toPlainText(), QStringLiteral("r"));
}

void TestCssEditor::setInfoTwiceGivesFiveLines()
{
    QWidget host; // unnamed window: only its named insides are labelled
    auto *button = new QPushButton(QStringLiteral("Go"), &host);
    button->setObjectName(QStringLiteral("PushButton"));
    auto *unnamed = new QPushButton(&host);
    auto *withTip = new QLabel(&host);
    withTip->setObjectName(QStringLiteral("Hint"));
    withTip->setToolTip(QStringLiteral("old tip"));
    host.show();
    editor->document()->setObjectName(QStringLiteral("Text"));
    editor->document()->setToolTip(QStringLiteral("mine"));

    editor->slotApplyToolTipsInfo();
    editor->slotApplyToolTipsInfo();

    QCOMPARE(button->toolTip(),
             QStringLiteral("QPushButton\nPushButton\nQPushButton\nPushButton\n"));
    QCOMPARE(button->toolTip().split(QLatin1Char('\n')).size(), 5);
    QCOMPARE(withTip->toolTip(), QStringLiteral("QLabel\nHint\nQLabel\nHint\nold tip"));
    QCOMPARE(unnamed->toolTip(), QString());
    QCOMPARE(host.toolTip(), QString());
    // The document and what it holds keep their tool-tips.
    QCOMPARE(editor->document()->toolTip(), QStringLiteral("mine"));
    QVERIFY(!editor->document()->viewport()->objectName().isEmpty());
    QCOMPARE(editor->document()->viewport()->toolTip(), QString());
}

void TestCssEditor::setInfoLabelsEachWindowOnce()
{
    QWidget host;
    host.setObjectName(QStringLiteral("Host"));
    auto *child = new QDialog(&host);
    child->setObjectName(QStringLiteral("Child"));
    auto *inside = new QLabel(child);
    inside->setObjectName(QStringLiteral("Inside"));
    host.show();
    child->show();

    editor->slotApplyToolTipsInfo();
    QCOMPARE(host.toolTip(), QStringLiteral("QWidget\nHost\n"));
    QCOMPARE(child->toolTip(), QStringLiteral("QDialog\nChild\n"));
    QCOMPARE(inside->toolTip(), QStringLiteral("QLabel\nInside\n"));
}

void TestCssEditor::aboutShowsItsBox()
{
    const ShownBox box = closeNextModal([&]() { editor->slotAbout(); });
    QCOMPARE(box.title, QStringLiteral("About"));
    QVERIFY2(box.text.contains(QStringLiteral("CSS Style Editor")), qPrintable(box.text));
}

void TestCssEditor::showCssEditorOpensANewWindowEachTime()
{
    const QList<CssEditor *> before = editorWindows();
    QVERIFY(QMetaObject::invokeMethod(qApp, "slotShowCssEditor"));
    QVERIFY(QMetaObject::invokeMethod(qApp, "slotShowCssEditor"));
    QList<CssEditor *> added = editorWindows();
    for (CssEditor *old : before)
        added.removeAll(old);
    QCOMPARE(added.size(), 2);
    QVERIFY(added.at(0) != added.at(1));
    for (CssEditor *window : added) {
        QVERIFY(window->isVisible());
        QCOMPARE(window->parent(), nullptr);
        QCOMPARE(window->document()->toPlainText(), QString());
    }

    // Closing hides the window; it stays alive until the application ends.
    QPointer<CssEditor> first = added.at(0);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first);
    QVERIFY(!first->isVisible());
    qDeleteAll(added);
}

int main(int argc, char **argv)
{
    QMWidgets::App app(argc, argv, QStringLiteral("Velmora"), QStringLiteral("Clipwise"));
    TestCssEditor test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_csseditor.moc"

#include "csseditor.h"

#include "cssdoc.h"
#include "editormessages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>

namespace QMWidgets {

namespace {

bool isInside(const QWidget *widget, const QWidget *container)
{
    // parentWidget() also crosses window borders, unlike QWidget::isAncestorOf().
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w == container)
            return true;
    }
    return false;
}

void prependClassAndName(QWidget *widget)
{
    widget->setToolTip(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('\n') +
                       widget->objectName() + QLatin1Char('\n') + widget->toolTip());
}

} // namespace

CssEditor::CssEditor(QWidget *parent) : QMainWindow(parent)
{
    cssDoc = new CssDoc(nullptr);

    auto *fileMenu = new QMenu(tr("&File"), this);
    QAction *openAction = fileMenu->addAction(tr("&Open..."), cssDoc, &CssDoc::slotLoad,
                                              QKeySequence(QStringLiteral("CTRL+O")));
    QAction *saveAction = fileMenu->addAction(tr("&Save"), cssDoc, &CssDoc::slotSave,
                                              QKeySequence(QStringLiteral("CTRL+S")));
    QAction *infoAction =
        fileMenu->addAction(tr("&SetInfo"), this, &CssEditor::slotApplyToolTipsInfo,
                            QKeySequence(QStringLiteral("CTRL+I")));
    QAction *applyAction = fileMenu->addAction(tr("&Apply"), this, &CssEditor::slotApply,
                                               QKeySequence(QStringLiteral("CTRL+A")));
    fileMenu->addAction(tr("S&ave As..."), cssDoc, &CssDoc::slotSaveAs);
    fileMenu->addSeparator();

    auto *helpMenu = new QMenu(tr("&Help"), this);
    helpMenu->addAction(tr("&About"), this, &CssEditor::slotAbout, QKeySequence(Qt::Key_F1));
    QAction *resetAction =
        helpMenu->addAction(tr("&Reset"), this, &CssEditor::slotReset, QKeySequence(Qt::Key_R));

    menuBar()->addMenu(fileMenu);
    menuBar()->addMenu(helpMenu);

    auto *toolBar = new QToolBar(tr("Operations"), this);
    addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addAction(openAction);
    toolBar->addAction(saveAction);
    toolBar->addAction(applyAction);
    toolBar->addAction(resetAction);
    toolBar->addAction(infoAction);

    setCentralWidget(cssDoc);
    connect(cssDoc, &CssDoc::changeWindowTitle, this, &CssEditor::slotChangeWindowTitle);

    statusBar()->showMessage(tr("Ready"), 2000);
}

void CssEditor::slotApply()
{
    qApp->setStyleSheet(cssDoc->toPlainText());
    cssDoc->applyEditorLook();
}

void CssEditor::slotAbout()
{
    showEditorAbout(this, tr("About"), tr("CSS Style Editor"));
}

void CssEditor::slotReset()
{
    qApp->setStyleSheet(QString());
}

void CssEditor::slotChangeWindowTitle(const QString &str)
{
    setWindowTitle(QDir::toNativeSeparators(str));
}

void CssEditor::slotApplyToolTipsInfo()
{
    // A window with a parent is both a top-level widget and a descendant of its parent's
    // window; each widget is labelled once per run.
    QSet<QWidget *> labelled;
    const auto label = [this, &labelled](QWidget *widget) {
        if (widget->objectName().isEmpty() || labelled.contains(widget) || isInside(widget, cssDoc))
            return;
        labelled.insert(widget);
        prependClassAndName(widget);
    };

    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *topLevel : topLevels) {
        label(topLevel);
        const QList<QWidget *> descendants = topLevel->findChildren<QWidget *>();
        for (QWidget *widget : descendants)
            label(widget);
    }
}

} // namespace QMWidgets

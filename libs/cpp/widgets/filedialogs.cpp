#include "filedialogs.h"

#include <QStringList>

namespace QMWidgets {

namespace {

FileDialogRunner &installedRunner()
{
    static FileDialogRunner runner;
    return runner;
}

QString run(const FileDialogRequest &request)
{
    const FileDialogRunner &runner = installedRunner();
    return runner ? runner(request) : runModalFileDialog(request);
}

} // namespace

QString runModalFileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(request.parent, request.caption, request.directory, request.filter);
    dialog.setOptions(request.options);
    dialog.setFileMode(request.fileMode);
    dialog.setAcceptMode(request.acceptMode);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &directory,
                        const QString &filter, QFileDialog::Options options)
{
    FileDialogRequest request;
    request.parent = parent;
    request.caption = caption;
    request.directory = directory;
    request.filter = filter;
    request.options = options;
    request.fileMode = QFileDialog::ExistingFile;
    request.acceptMode = QFileDialog::AcceptOpen;
    return run(request);
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &directory,
                        const QString &filter, QFileDialog::Options options)
{
    FileDialogRequest request;
    request.parent = parent;
    request.caption = caption;
    request.directory = directory;
    request.filter = filter;
    request.options = options;
    request.fileMode = QFileDialog::AnyFile;
    request.acceptMode = QFileDialog::AcceptSave;
    return run(request);
}

void setFileDialogRunner(FileDialogRunner runner)
{
    installedRunner() = std::move(runner);
}

} // namespace QMWidgets

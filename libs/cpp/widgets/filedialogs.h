#pragma once

#include <QFileDialog>
#include <QString>

#include <functional>

class QWidget;

namespace QMWidgets {

// Everything a file dialog is asked for; handed to the dialog runner.
struct FileDialogRequest
{
    QWidget *parent = nullptr;
    QString caption;
    QString directory;
    QString filter;
    QFileDialog::Options options;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
};

// Runs the dialog and returns the first selected path of an accepted dialog, otherwise an
// empty string.
using FileDialogRunner = std::function<QString(const FileDialogRequest &)>;

// Asks for an existing file.
QString getOpenFileName(QWidget *parent = nullptr, const QString &caption = QString(),
                        const QString &directory = QString(), const QString &filter = QString(),
                        QFileDialog::Options options = QFileDialog::Options());

// Asks for a file name to save under; the file need not exist.
QString getSaveFileName(QWidget *parent = nullptr, const QString &caption = QString(),
                        const QString &directory = QString(), const QString &filter = QString(),
                        QFileDialog::Options options = QFileDialog::Options());

// The modal QFileDialog that both functions use unless a runner is installed.
QString runModalFileDialog(const FileDialogRequest &request);

// Replaces the dialog (tests answer it without a person); an empty runner restores the real
// dialog.
void setFileDialogRunner(FileDialogRunner runner);

} // namespace QMWidgets

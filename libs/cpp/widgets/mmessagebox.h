#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace QMWidgets {

// The program's own modal message box: it takes the dark style sheet and the standard
// push-button look, which QMessageBox would not. Button bits and results are those of
// QMessageBox::StandardButton; a user-defined button closes with UserDefinedResult.
class MMessageBox final : public QDialog
{
    Q_OBJECT

public:
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    static constexpr int UserDefinedResult = 0x10000000;

    // textFormat: Qt::PlainText for texts that carry file paths or system error strings, which
    // may look like markup ("/tmp/<b>x</b>.css") and must be shown as they are.
    MMessageBox(int icon, const QString &title, const QString &text, int buttons,
                QWidget *parent = nullptr, const QString &userButtonText = QString(),
                Qt::TextFormat textFormat = Qt::AutoText);
    ~MMessageBox() override;

    static int information(QWidget *parent, const QString &title, const QString &text, int buttons,
                           Qt::TextFormat textFormat = Qt::AutoText);
    static int warning(QWidget *parent, const QString &title, const QString &text, int buttons,
                       Qt::TextFormat textFormat = Qt::AutoText);
    static int critical(QWidget *parent, const QString &title, const QString &text, int buttons,
                        Qt::TextFormat textFormat = Qt::AutoText);
    static int question(QWidget *parent, const QString &title, const QString &text, int buttons,
                        Qt::TextFormat textFormat = Qt::AutoText);

public slots:
    void slotOk();
    void slotCancel();
    void slotYes();
    void slotNo();
    void slotAbort();
    void slotRetry();
    void slotIgnore();
    void slotYesAll();
    void slotNoAll();
    void slotUserDefined();

private:
    static int run(int icon, QWidget *parent, const QString &title, const QString &text,
                   int buttons, Qt::TextFormat textFormat);

    QLabel *textLabel = nullptr;
    QLabel *iconLabel = nullptr;
};

} // namespace QMWidgets

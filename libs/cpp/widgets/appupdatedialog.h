#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace QMWidgets {

// Makes the update pictures (":/update_available.png", ":/update_not_available.png") of this
// static library available; safe to call any number of times.
void ensureUpdatePictures();

// Tells whether a newer build exists and offers the maker's update page; its check box
// switches the start-up check on and off, written at once.
class AppUpdateDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AppUpdateDialog(QWidget *parent = nullptr);
    ~AppUpdateDialog() override;

    void setText(const QString &text);
    void setPixmap(const QPixmap &pixmap);

    // The setting "checkupdates", default true.
    static bool isCheckOnStart();
    static void setCheckOnStart(bool on);

    QCheckBox *checkBox() const { return checkOnStartBox; }
    QLabel *messageLabel() const { return textLabel; }
    QLabel *pictureLabelWidget() const { return pictureLabel; }
    QPushButton *yesButton() const { return yes; }
    QPushButton *noButton() const { return no; }

private slots:
    void slotCancel();
    void slotUpdate();
    void slotSetChecked(bool on);

private:
    QCheckBox *checkOnStartBox = nullptr;
    QLabel *textLabel = nullptr;
    QLabel *pictureLabel = nullptr;
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
};

} // namespace QMWidgets

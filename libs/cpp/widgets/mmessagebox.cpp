#include "mmessagebox.h"
#include "dialogrunner.h"
#include "standardbutton.h"

#include "smallscreen.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace QMWidgets {

namespace {

QPixmap iconPixmap(const QStyle *style, int icon)
{
    switch (icon) {
    case MMessageBox::Information:
        return style->standardPixmap(QStyle::SP_MessageBoxInformation);
    case MMessageBox::Warning:
        return style->standardPixmap(QStyle::SP_MessageBoxWarning);
    case MMessageBox::Critical:
        return style->standardPixmap(QStyle::SP_MessageBoxCritical);
    case MMessageBox::Question:
        return style->standardPixmap(QStyle::SP_MessageBoxQuestion);
    default:
        return QPixmap();
    }
}

} // namespace

MMessageBox::MMessageBox(int icon, const QString &title, const QString &text, int buttons,
                         QWidget *parent, const QString &userButtonText, Qt::TextFormat textFormat)
    : QDialog(parent)
{
    setMinimumSize(300, 200);
    setObjectName(QStringLiteral("MessageBox"));
    setWindowTitle(title);

    textLabel = new QLabel(this);
    textLabel->setWordWrap(true);
    textLabel->setTextFormat(textFormat);
    textLabel->setText(text);
    // Some messages carry a command or a path for the user to copy.
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    iconLabel = new QLabel(this);
    const QPixmap picture = iconPixmap(style(), icon);
    iconLabel->setPixmap(picture);
    iconLabel->setFixedSize(picture.width() + 5, picture.height() + 5);

    auto *buttonRow = isSmallScreen() ? static_cast<QBoxLayout *>(new QVBoxLayout)
                                      : static_cast<QBoxLayout *>(new QHBoxLayout);
    buttonRow->setContentsMargins(1, 1, 1, 1);
    buttonRow->setSpacing(3);
    buttonRow->addStretch(1);

    const auto addButton = [this, buttonRow](const QString &label, void (MMessageBox::*slot)()) {
        QPushButton *button = makeStandardPushButton(label, this);
        connect(button, &QPushButton::clicked, this, slot);
        buttonRow->addWidget(button);
    };
    // Creation order is the on-screen order: "No" comes before "Yes".
    if (buttons & QMessageBox::Ok)
        addButton(tr("Ok"), &MMessageBox::slotOk);
    if (buttons & QMessageBox::Cancel)
        addButton(tr("Cancel"), &MMessageBox::slotCancel);
    if (buttons & QMessageBox::No)
        addButton(tr("No"), &MMessageBox::slotNo);
    if (buttons & QMessageBox::Yes)
        addButton(tr("Yes"), &MMessageBox::slotYes);
    if (buttons & QMessageBox::Abort)
        addButton(tr("Abort"), &MMessageBox::slotAbort);
    if (buttons & QMessageBox::Retry)
        addButton(tr("Retry"), &MMessageBox::slotRetry);
    if (buttons & QMessageBox::Ignore)
        addButton(tr("Ignore"), &MMessageBox::slotIgnore);
    if (buttons & QMessageBox::YesToAll)
        addButton(tr("YesAll"), &MMessageBox::slotYesAll);
    if (buttons & QMessageBox::NoToAll)
        addButton(tr("NoAll"), &MMessageBox::slotNoAll);
    if (!userButtonText.isEmpty())
        addButton(userButtonText, &MMessageBox::slotUserDefined);
    buttonRow->addStretch(1);

    auto *headRow = new QHBoxLayout;
    headRow->setContentsMargins(1, 1, 1, 1);
    headRow->setSpacing(1);
    headRow->addWidget(iconLabel);
    headRow->addWidget(textLabel);

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(5, 5, 5, 5);
    mainLayout->setSpacing(5);
    mainLayout->addLayout(headRow);
    mainLayout->addLayout(buttonRow);
}

MMessageBox::~MMessageBox() = default;

int MMessageBox::run(int icon, QWidget *parent, const QString &title, const QString &text,
                     int buttons, Qt::TextFormat textFormat)
{
    auto *box = new MMessageBox(icon, title, text, buttons, parent, QString(), textFormat);
    const int result = runDialog(box);
    // Nothing reads the box afterwards; a box without parent would otherwise live until exit.
    delete box;
    return result;
}

int MMessageBox::information(QWidget *parent, const QString &title, const QString &text,
                             int buttons, Qt::TextFormat textFormat)
{
    return run(Information, parent, title, text, buttons, textFormat);
}

int MMessageBox::warning(QWidget *parent, const QString &title, const QString &text, int buttons,
                         Qt::TextFormat textFormat)
{
    return run(Warning, parent, title, text, buttons, textFormat);
}

int MMessageBox::critical(QWidget *parent, const QString &title, const QString &text, int buttons,
                          Qt::TextFormat textFormat)
{
    return run(Critical, parent, title, text, buttons, textFormat);
}

int MMessageBox::question(QWidget *parent, const QString &title, const QString &text, int buttons,
                          Qt::TextFormat textFormat)
{
    return run(Question, parent, title, text, buttons, textFormat);
}

void MMessageBox::slotOk()
{
    done(QMessageBox::Ok);
}

void MMessageBox::slotCancel()
{
    done(QMessageBox::Cancel);
}

void MMessageBox::slotYes()
{
    done(QMessageBox::Yes);
}

void MMessageBox::slotNo()
{
    done(QMessageBox::No);
}

void MMessageBox::slotAbort()
{
    done(QMessageBox::Abort);
}

void MMessageBox::slotRetry()
{
    done(QMessageBox::Retry);
}

void MMessageBox::slotIgnore()
{
    done(QMessageBox::Ignore);
}

void MMessageBox::slotYesAll()
{
    done(QMessageBox::YesToAll);
}

void MMessageBox::slotNoAll()
{
    done(QMessageBox::NoToAll);
}

void MMessageBox::slotUserDefined()
{
    done(UserDefinedResult);
}

} // namespace QMWidgets

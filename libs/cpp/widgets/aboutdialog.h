#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace QMWidgets {

// The maker's web address shown (and linked) in the About dialog.
QString makerSiteAddress();

// The rich text of the About dialog's info page: product name, version, build date in the
// given locale, the maker's notice and link.
QString aboutInfoText(const QString &productName, const QString &version, const QDate &built,
                      const QLocale &locale);

// Turns the bytes of a licence file into the HTML the legal view shows: only the bytes before
// the first zero byte count, read as Latin-1; plain text keeps its line breaks.
QString licenceHtml(const QByteArray &fileContents);

// The program's information window: logo and info text on one page, the legal notices (and
// the full licence text on demand) on the other; one button toggles between the pages.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

public slots:
    void slotLegalNoticesClicked();
    void slotOkClicked();
    void slotAnchorClicked(const QUrl &url);

private:
    void showInfoPage(bool info);

    QLabel *logoLabel = nullptr;
    QTextBrowser *legalInfoView = nullptr;
    QLabel *infoLabel = nullptr;
    QPushButton *legalButton = nullptr;
};

} // namespace QMWidgets

#pragma once

#include <QLabel>
#include <QString>

namespace QMWebView {

class WebViewInQt;

// Holds the frame at its top-left corner at its own full size and relays the frame's signals.
class NativeWebViewInternal final : public QLabel
{
    Q_OBJECT

public:
    explicit NativeWebViewInternal(QWidget *parent = nullptr);
    ~NativeWebViewInternal() override;

    void navigate(const QString &url);
    WebViewInQt *frame() const { return frameView; }

signals:
    void loadStart(const QString &strUrl, const QString &strHtml);
    void loadFinish(const QString &strUrl, const QString &strHtml);
    void loadError();
    void urlChanged(const QString &strUrl);

protected:
    void resizeEvent(QResizeEvent *e) override;

private slots:
    void slotLoadStart(const QString &url, const QString &html);
    void slotLoadFinish(const QString &url, const QString &html);
    void slotLoadError();
    void slotUrlChanged(const QString &strUrl);

private:
    WebViewInQt *frameView = nullptr;
};

} // namespace QMWebView

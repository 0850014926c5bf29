#pragma once

#include <QFrame>
#include <QString>

namespace QMWebView {

class CustomWebView;

// Lays out the page loader and hands it the addresses to load.
class WebViewInQt final : public QFrame
{
    Q_OBJECT

public:
    explicit WebViewInQt(QWidget *parent = nullptr);
    ~WebViewInQt() override;

    void navigate(const QString &url);
    CustomWebView *browserControl() const { return browser; }

signals:
    void loadStart(const QString &strUrl, const QString &strHtml);
    void loadFinish(const QString &strUrl, const QString &strHtml);
    void loadError();
    void urlChanged(const QString &strUrl);

private:
    CustomWebView *browser = nullptr;
};

} // namespace QMWebView

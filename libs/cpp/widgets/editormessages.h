#pragma once

#include <QString>

class QWidget;

namespace QMWidgets {

// The style sheet editor's message boxes go through these two functions only, so that the
// kind of box can be changed in one place.
void showEditorAbout(QWidget *parent, const QString &title, const QString &text);
void showEditorWarning(QWidget *parent, const QString &title, const QString &text);

} // namespace QMWidgets

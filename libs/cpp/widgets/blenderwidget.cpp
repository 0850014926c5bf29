#include "blenderwidget.h"

namespace QMWidgets {

BlenderWidget::BlenderWidget(QWidget *parent) : QLabel(parent) {}

} // namespace QMWidgets

#pragma once

#include <QLabel>

namespace QMWidgets {

// Overlay laid over the registered main widget to dim it while a prompt is up.
class BlenderWidget final : public QLabel
{
    Q_OBJECT

public:
    explicit BlenderWidget(QWidget *parent = nullptr);
};

} // namespace QMWidgets

#pragma once

#include "screensource.h"

namespace QMWidgets {

// The primary screen read from the display (through shared memory where the X server offers it),
// at once: finished() is emitted inside start().
class ScreenSourceX11 final : public ScreenSource
{
    Q_OBJECT

public:
    static const QString sourceName;

    using ScreenSource::ScreenSource;
    QString name() const override { return sourceName; }
    void start() override;
    int boundMs() const override { return 0; }
};

} // namespace QMWidgets

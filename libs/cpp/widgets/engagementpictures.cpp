#include "engagementpictures.h"

// Resources of a static library are registered only when asked for by name, and the name
// must be used outside any namespace.
static void initEngagementPictures()
{
    Q_INIT_RESOURCE(engagementpictures);
}

namespace QMWidgets {

void ensureEngagementPictures()
{
    static const bool registered = [] {
        initEngagementPictures();
        return true;
    }();
    Q_UNUSED(registered)
}

QStringList introductionSlides()
{
    ensureEngagementPictures();
    return {QStringLiteral(":/help/slide1.png"), QStringLiteral(":/help/slide2.png"),
            QStringLiteral(":/help/slide3.png")};
}

} // namespace QMWidgets

#pragma once

#include <QStringList>

namespace QMWidgets {

// Registers the pictures of the share and follow buttons and the introduction slides
// (":/facebookshare.png" ..., ":/help/slide1.png" ...). Idempotent.
void ensureEngagementPictures();

// The three introduction slides an application of this family may hand to its help dialog.
QStringList introductionSlides();

} // namespace QMWidgets

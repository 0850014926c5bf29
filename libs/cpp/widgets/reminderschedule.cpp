#include "reminderschedule.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTime>

#include <limits>

namespace QMWidgets {

int chooseReminderKind(int kinds, bool storeEdition, const std::function<quint32()> &draw)
{
    if (kinds == 8)
        return storeEdition ? Rate : Tell;
    const bool rate = kinds & Rate;
    const bool tell = kinds & Tell;
    const bool join = kinds & Join;
    if (rate && tell && join) {
        switch (draw() % 3) {
        case 0:
            return Rate;
        case 1:
            return Tell;
        default:
            return Join;
        }
    }
    if (rate && tell)
        return draw() % 2 == 0 ? Rate : Tell;
    if (rate && join)
        return draw() % 2 == 0 ? Rate : Join;
    if (tell && join)
        return draw() % 2 == 0 ? Join : Tell;
    return kinds;
}

int chooseReminderKind(int kinds, bool storeEdition)
{
    QRandomGenerator generator(quint32(QTime::currentTime().msec()));
    return chooseReminderKind(kinds, storeEdition,
                              [&generator] { return generator.generate() & 0x7fffffffu; });
}

int sanitizedReminderInterval(int interval)
{
    return interval < 1 ? 1 : interval;
}

bool isReminderDue(int counter, int interval)
{
    return counter % sanitizedReminderInterval(interval) == 0;
}

int nextReminderCount(int counter)
{
    return counter == std::numeric_limits<int>::max() ? 1 : counter + 1;
}

ReminderAnswer reminderAnswer(int state)
{
    ReminderAnswer answer;
    switch (state) {
    case StateRate:
        answer.openRateLink = true;
        answer.stopReminders = true;
        break;
    case StateMail:
        answer.openContactMail = true;
        answer.stopReminders = true;
        break;
    case StateNeverAskMeAgain:
        answer.stopReminders = true;
        break;
    default:
        break;
    }
    return answer;
}

bool isStoreEditionFor(bool independentEdition, const QString &resourceDirectory)
{
    return !independentEdition &&
           !QFileInfo::exists(resourceDirectory + QStringLiteral("independent"));
}

} // namespace QMWidgets

#pragma once

#include <QString>

#include <functional>

namespace QMWidgets {

// Which prompt the quit-time reminder shows. The values are bits, so a caller may offer a
// choice (Rate | Tell) and let setReminder pick one.
enum ReminderKind { Rate = 1, Tell = 2, Join = 4 };

// The answer a prompt records; StateNone means it was closed without one of its buttons.
enum ReminderState {
    StateRate = 0,
    StateMail = 1,
    StateMaybeLater = 2,
    StateNeverAskMeAgain = 3,
    StateNone = 4
};

// kinds 8 asks for "the edition's own prompt": rating in the store edition, sharing elsewhere.
// Combinations of bits are settled by draw(), a non-negative pseudo-random number per call.
int chooseReminderKind(int kinds, bool storeEdition, const std::function<quint32()> &draw);
// The same, drawing from a generator seeded with the millisecond of the time of day.
int chooseReminderKind(int kinds, bool storeEdition);

// An interval below 1 counts as 1, so every quit is due instead of dividing by zero.
int sanitizedReminderInterval(int interval);
bool isReminderDue(int counter, int interval);
// The counter after a counted quit; it wraps to 1 instead of becoming negative.
int nextReminderCount(int counter);

// What an answer leads to: open the rate link, write to the maker, and whether prompts stop.
struct ReminderAnswer
{
    bool openRateLink = false;
    bool openContactMail = false;
    bool stopReminders = false;
};
ReminderAnswer reminderAnswer(int state);

// The store edition: not built as the independent edition and no "independent" marker file
// in the resource directory.
bool isStoreEditionFor(bool independentEdition, const QString &resourceDirectory);

} // namespace QMWidgets

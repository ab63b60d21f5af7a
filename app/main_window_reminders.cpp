// The main window's daily reminder check and the reminder windows it opens.
#include <algorithm>
#include <exception>
#include <memory>
#include <span>
#include <vector>

#include "app/main_window.h"
#include "app/option_marker.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "platform/dispatch.h"
#include "platform/errors.h"
#include "reminders/calendar.h"
#include "reminders/check_date_file.h"
#include "reminders/due_date.h"
#include "reminders/missed_days.h"
#include "reminders/reminder_placement.h"
#include "reminders/reminder_texts.h"

namespace {

reminders::RowCells cellsOf(const platform::StringGrid& grid, int row) {
    return {grid.cell(book::colFirstName, row), grid.cell(book::colSurname, row),
            grid.cell(book::colEmail, row),     grid.cell(book::colPhone1, row),
            grid.cell(book::colPhone2, row),    grid.cell(book::colShownDate, row),
            grid.cell(book::colAction, row),    grid.cell(book::colReason, row)};
}

struct DueRow {
    int row;
    reminders::Date birthday;
};

// The rows whose reminders fall due on each day from `first` to `last`, day
// after day, each day's in the grid's order; the table is walked once.
std::vector<std::vector<DueRow>> dueRowsByDay(const platform::StringGrid& grid,
                                              std::span<const std::string> leadChoices,
                                              const reminders::Date& first,
                                              const reminders::Date& last) {
    std::vector<std::vector<DueRow>> byDay(reminders::daysBetween(first, last) + 1);
    for (int row = 1; row < grid.rowCount(); ++row) {
        const auto due = reminders::dueBetween(
            grid.cell(book::colKey, row), grid.cell(book::colWhen, row), leadChoices, first, last);
        if (due) byDay[reminders::daysBetween(first, due->day)].push_back({row, due->birthday});
    }
    return byDay;
}

}  // namespace

void MainWindow::loadCheckDate() {
    lastCheckDay = platform::DateTime{};
    if (auto stored = reminders::readCheckDateFile(dataFolder + reminders::checkDateFileName))
        lastCheckDay = reminders::midnightOf(*stored);
}

void MainWindow::loadMissedRemindersOption() {
    showMissedRemindersItem.setChecked(app::missedRemindersMarker.present(dataFolder));
}

void MainWindow::onShowMissedReminders() {
    app::switchOption(showMissedRemindersItem, app::missedRemindersMarker, dataFolder);
}

// A tick while start-up still shows a message would spend the day's check on
// a list not yet read; the first check waits for the first tick after it.
// Files changed from outside come first, so that the day's check sees the
// list and the options as they are now.
void MainWindow::onCheckTimer() {
    if (!startedUp_) return;
    platform::dispatch([this] { takeOutsideChanges(); });
    checkReminders();
}

// A day already checked on another PC sharing the data folder is not checked
// again here, nor are the days before it caught up. A day after today is
// another clock's, and is passed over.
void MainWindow::takeOutsideCheckDate() {
    const auto stored = reminders::readCheckDateFile(dataFolder + reminders::checkDateFileName);
    if (stored && *stored > reminders::dateOf(lastCheckDay) &&
        *stored <= reminders::dateOf(platform::now()))
        lastCheckDay = reminders::midnightOf(*stored);
}

void MainWindow::checkReminders() {
    if (reminders::sameDay(platform::now(), lastCheckDay)) return;
    takeOutsideCheckDate();
    const platform::DateTime now = platform::now();
    if (reminders::sameDay(now, lastCheckDay)) return;
    const reminders::Date lastCheck = reminders::dateOf(lastCheckDay);
    // Held in memory first, so that whatever follows, the day is checked once.
    lastCheckDay = now;
    const reminders::Date today = reminders::dateOf(now);

    // The day's reminders still open when the date cannot be stored; the
    // failure is reported once they are all shown.
    std::exception_ptr unstored;
    try {
        reminders::writeCheckDateFile(dataFolder + reminders::checkDateFileName, today,
                                      platform::dateSeparator());
    } catch (const platform::IoError&) {
        unstored = std::current_exception();
    }

    // With missed reminders shown, the days since the last check come first.
    reminders::Date firstDay = today;
    if (showMissedRemindersItem.checked())
        firstDay = reminders::firstMissedDay(lastCheck, today).value_or(today);

    remindersShown = 0;
    for (const std::vector<DueRow>& day :
         dueRowsByDay(peopleGrid, leadTimeList.items(), firstDay, today)) {
        for (const DueRow& due : day) {
            const reminders::ReminderTexts texts = reminders::reminderTexts(
                cellsOf(peopleGrid, due.row), due.birthday, actionList.items(), reasonBox.items());
            openReminder(texts.sentence, texts.action, texts.address, texts.subject);
        }
    }

    if (unstored) std::rethrow_exception(unstored);
}

void MainWindow::openReminder(const std::string& sentence, const std::string& action,
                              const std::string& address, const std::string& subject) {
    ReminderWindow& window = *reminderWindows_.emplace_back(std::make_unique<ReminderWindow>(this));
    window.create();
    window.sentenceLabel.setText(sentence);
    window.actionLabel.setText(action);
    window.addressLink.setText(address);
    window.linkAddress.setText(address);
    window.linkSubject.setText(subject);
    if (address.empty()) {
        window.actionLabel.autoSize = false;
        window.actionLabel.setWidth(window.outerWidth());
        window.addressLink.hide();
    }
    window.onDestroy = [this, &window] { forgetReminder(window); };
    ++remindersShown;
    const platform::Point place =
        reminders::reminderPlace(remindersShown - 1, {window.outerWidth(), window.outerHeight()},
                                 platform::workArea(), platform::toolCaptionHeight());
    window.moveTo(place.x, place.y);
    window.show();
    window.bringToFront();
}

// The closed reminder's window is gone, but its object still serves the rest
// of the window's destroy message: the object goes once the message loop
// runs again.
void MainWindow::forgetReminder(const ReminderWindow& window) {
    const auto held = std::find_if(reminderWindows_.begin(), reminderWindows_.end(),
                                   [&](const auto& open) { return open.get() == &window; });
    if (held == reminderWindows_.end()) return;
    std::shared_ptr<ReminderWindow> closed = std::move(*held);
    reminderWindows_.erase(held);
    platform::application::later([closed] {});
}

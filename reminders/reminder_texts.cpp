#include "reminder_texts.h"

#include <utility>

#include "book/text.h"

namespace reminders {

namespace {

enum ActionChoice { sendEmail = 0, callPhone1 = 1, callPhone2 = 2 };

int positionOf(const std::string& text, std::span<const std::string> choices) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (text == choices[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string reminderOf(const RowCells& row) {
    using book::trimmed;
    return trimmed(row.reason) + " of " + trimmed(row.firstName) + " " + trimmed(row.surname);
}

std::string reminderSentence(const RowCells& row, const Date& birthday) {
    return reminderOf(row) + " on " + dayName(birthday) + " " + book::trimmed(row.shownDate) + ".";
}

ActionLine actionLine(const RowCells& row, std::span<const std::string> actionChoices) {
    switch (positionOf(row.action, actionChoices)) {
        case sendEmail:
            return {"Send an E-mail at ", book::trimmed(row.email)};
        case callPhone1:
            return {"Call the " + book::trimmed(row.phone1), ""};
        case callPhone2:
            return {"Call the " + book::trimmed(row.phone2), ""};
        default:
            return {};
    }
}

std::string reminderSubject(const RowCells& row, std::span<const std::string> reasonChoices) {
    if (!reasonChoices.empty() && row.reason == reasonChoices[0]) return "Festorin";
    return "";
}

std::string mailtoLink(const std::string& address, const std::string& subject) {
    std::string link = "mailto:";
    for (char c : address) {
        switch (c) {
            case '?':
                link += "%3F";
                break;
            case '&':
                link += "%26";
                break;
            case '#':
                link += "%23";
                break;
            case '%':
                link += "%25";
                break;
            default:
                link += c;
        }
    }
    return link + "?subject=" + subject;
}

ReminderTexts reminderTexts(const RowCells& row, const Date& birthday,
                            std::span<const std::string> actionChoices,
                            std::span<const std::string> reasonChoices) {
    ActionLine action = actionLine(row, actionChoices);
    return {reminderSentence(row, birthday), std::move(action.text), std::move(action.address),
            reminderSubject(row, reasonChoices)};
}

}  // namespace reminders

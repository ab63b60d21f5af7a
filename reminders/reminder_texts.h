#pragma once
// The four texts of a reminder window, from the cells of a due row.
#include <span>
#include <string>

#include "calendar.h"

namespace reminders {

struct RowCells {
    std::string firstName, surname, email, phone1, phone2, shownDate, action, reason;
};

struct ReminderTexts {
    std::string sentence;  // "Birtday of Dara Ruze on Thursday March, 5."
    std::string action;    // what to do, on the window's second line
    std::string address;   // the e-mail link's address; empty for no link
    std::string subject;   // the e-mail link's subject
};

// The sentence's beginning: the reason, " of " and the names.
std::string reminderOf(const RowCells& row);

// The sentence names the week day of the birthday, not of today.
std::string reminderSentence(const RowCells& row, const Date& birthday);

struct ActionLine {
    std::string text, address;
};
// The action is compared untrimmed with the action choices by position:
// e-mail, phone 1, phone 2; anything else gives no line and no address.
ActionLine actionLine(const RowCells& row, std::span<const std::string> actionChoices);

// "Festorin" when the untrimmed reason is the first reason choice.
std::string reminderSubject(const RowCells& row, std::span<const std::string> reasonChoices);

// The link a click on the address hands to the shell: "mailto:", the
// address, "?subject=" and the subject. In the address, ?, &, # and % are
// percent-encoded, so that an address holding them stays one address and
// adds nothing to the link.
std::string mailtoLink(const std::string& address, const std::string& subject);

ReminderTexts reminderTexts(const RowCells& row, const Date& birthday,
                            std::span<const std::string> actionChoices,
                            std::span<const std::string> reasonChoices);

}  // namespace reminders

#include "reminder_texts.h"

#include <gtest/gtest.h>

#include <array>

namespace reminders {
namespace {

const std::array<std::string, 4> actions{"Send an E-mail", "Call phone 1", "Call phone 2", "Other"};
const std::array<std::string, 2> reasons{"Birtday", "Other"};

const RowCells dara{" Dara ",  "Ruze ",    " dara@example.org ", " 01 23 ",
                    "04 56\t", "March, 5", "Send an E-mail",     "Birtday"};

TEST(ReminderTexts, SentenceFromTheRowsOwnNamesSubjectFromTheUntrimmedReason) {
    ReminderTexts texts = reminderTexts(dara, {2026, 3, 5}, actions, reasons);
    EXPECT_EQ(texts.sentence, "Birtday of Dara Ruze on Thursday March, 5.");
    EXPECT_EQ(texts.subject, "Festorin");

    RowCells row = dara;
    row.reason = " Birtday";
    texts = reminderTexts(row, {2026, 3, 5}, actions, reasons);
    EXPECT_EQ(texts.sentence, "Birtday of Dara Ruze on Thursday March, 5.");
    EXPECT_EQ(texts.subject, "");
    row.reason = "";
    EXPECT_EQ(reminderSentence(row, {2026, 3, 5}), " of Dara Ruze on Thursday March, 5.");
}

TEST(ReminderTexts, ActionLineAndAddressByTheActionsPosition) {
    RowCells row = dara;
    auto expectLine = [&](const std::string& action, const char* text, const char* address) {
        row.action = action;
        const ActionLine line = actionLine(row, actions);
        EXPECT_EQ(line.text, text) << action;
        EXPECT_EQ(line.address, address) << action;
    };
    expectLine("Send an E-mail", "Send an E-mail at ", "dara@example.org");
    expectLine("Call phone 1", "Call the 01 23", "");
    expectLine("Call phone 2", "Call the 04 56", "");
    for (const char* other : {"Other", " Call phone 1", "send an e-mail", ""})
        expectLine(other, "", "");
    row.email = "  ";
    expectLine("Send an E-mail", "Send an E-mail at ", "");
}

}  // namespace
}  // namespace reminders

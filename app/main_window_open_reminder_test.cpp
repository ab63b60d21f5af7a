#include <gtest/gtest.h>

#include "app/main_window.h"
#include "test_support/headless_fixture.h"

namespace {

namespace headless = platform::headless;

class OpenReminder : public test_support::HeadlessTest {
protected:
    OpenReminder() : form_(createMainWindow()) {}

    ReminderWindow& open(const std::string& action, const std::string& address,
                         const std::string& subject) {
        form_->openReminder("Birtday of Ann Ruze on Tuesday December, 8.", action, address,
                            subject);
        return *form_->reminderWindows().back();
    }

    std::unique_ptr<MainWindow> form_;
};

TEST_F(OpenReminder, WithoutAnAddressTheActionLineSpansTheWindowAndThereIsNoLink) {
    ReminderWindow& linked = open("Send an E-mail at ", "ann@example.org", "Festorin");
    EXPECT_EQ(linked.owner(), form_.get());
    EXPECT_TRUE(linked.actionLabel.autoSize);
    EXPECT_TRUE(linked.addressLink.visible());

    for (const char* action : {"Send an E-mail at ", "Call the 01 23", ""}) {
        ReminderWindow& window = open(action, "", "Festorin");
        EXPECT_EQ(window.actionLabel.text(), action);
        EXPECT_EQ(window.actionLabel.width(), window.outerWidth());
        EXPECT_FALSE(window.addressLink.visible());
        headless::click(window.addressLink);
    }
    EXPECT_TRUE(headless::openedLinks().empty());
}

// An address holding ?, &, # or % stays one address in the link, and adds
// nothing to it; the window shows it as stored.
TEST_F(OpenReminder, TheLinkHandedToTheShellKeepsTheAddressWhole) {
    headless::click(open("Send an E-mail at ", "ann@example.org", "Festorin").addressLink);
    headless::click(open("Send an E-mail at ", "ann@example.org", "").addressLink);
    ReminderWindow& odd = open("Send an E-mail at ", "a b&c?d@example.org", "Festorin");
    headless::click(odd.addressLink);
    headless::click(odd.addressLink);
    ReminderWindow& hostile = open("Send an E-mail at ", "a@b?attach=C:\\secret#%41", "");
    headless::click(hostile.addressLink);
    EXPECT_EQ(hostile.addressLink.text(), "a@b?attach=C:\\secret#%41");
    EXPECT_EQ(headless::openedLinks(),
              (std::vector<std::string>{"mailto:ann@example.org?subject=Festorin",
                                        "mailto:ann@example.org?subject=",
                                        "mailto:a b%26c%3Fd@example.org?subject=Festorin",
                                        "mailto:a b%26c%3Fd@example.org?subject=Festorin",
                                        "mailto:a@b%3Fattach=C:\\secret%23%2541?subject="}));
    EXPECT_TRUE(odd.visible()) << "following the link leaves the reminder open";
}

// The closed window goes at once and its object once the message loop runs;
// the day's next window still stands above the last one opened.
TEST_F(OpenReminder, ClosingDestroysItsWindowAndTheNextStillOpensAboveTheLast) {
    ReminderWindow& first = open("Call the 01 23", "", "");
    const ReminderWindow& second = open("Call the 01 23", "", "");
    const int windows = headless::openWindows();
    first.close();
    EXPECT_FALSE(first.visible());
    EXPECT_TRUE(first.destroyed());
    EXPECT_EQ(headless::openWindows(), windows - 1);
    ASSERT_EQ(form_->reminderWindows().size(), 1u);
    EXPECT_EQ(form_->reminderWindows()[0].get(), &second);
    headless::runLaterActions();

    const ReminderWindow& third = open("Call the 01 23", "", "");
    EXPECT_EQ(third.top(), second.top() - second.outerHeight());
    EXPECT_EQ(headless::openWindows(), windows);
}

}  // namespace

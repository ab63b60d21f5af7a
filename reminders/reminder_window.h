#pragma once
// ReminderWindow: the small yellow window of one reminder.
#include "platform/form.h"
#include "platform/label.h"

class ReminderWindow : public platform::Form {
public:
    // Owned by the main window, which destroys it when the program ends.
    explicit ReminderWindow(platform::Form* owner);

    // How other programs find the reminder windows.
    static constexpr const char* windowClass = "TForm3";

    platform::Label Label1{this};  // the sentence
    platform::Label Label2{this};  // the action line
    platform::Label Label3{this};  // the e-mail address, a link
    platform::Label Label4{this};  // the link's subject, never shown
    platform::Label Label5{this};  // the link's address, never shown

    void Label3Click();
};

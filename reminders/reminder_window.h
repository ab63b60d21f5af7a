#pragma once
// ReminderWindow: the small yellow window of one reminder.
#include "platform/form.h"
#include "platform/label.h"

class ReminderWindow : public platform::Form {
public:
    // Owned by the main window. Closing it destroys its window.
    explicit ReminderWindow(platform::Form* owner);

    // How other programs find the reminder windows.
    static constexpr const char* windowClass = "TForm3";

    platform::Label sentenceLabel{this};  // the sentence
    platform::Label actionLabel{this};    // the action line
    platform::Label addressLink{this};    // the e-mail address, a link
    platform::Label linkSubject{this};    // the link's subject, never shown
    platform::Label linkAddress{this};    // the link's address, never shown

    void onAddressClick();
};

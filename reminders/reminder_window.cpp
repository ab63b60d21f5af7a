#include "reminder_window.h"

#include "platform/color.h"
#include "platform/services.h"
#include "reminders/reminder_texts.h"

namespace {

void placeLabel(platform::Label& label, int left, int top) { label.setBounds(left, top, 0, 13); }

}  // namespace

ReminderWindow::ReminderWindow(platform::Form* owner) : platform::Form(owner) {
    className = windowClass;
    setText("Festorin");
    borderStyle = platform::BorderStyle::ToolWindow;
    minimizeBox = false;
    setClientSize(312, 32);
    color = platform::rgb(255, 255, 0);
    fontName = "Tahoma";
    fontPoints = 8;
    placeLabel(sentenceLabel, 0, 0);
    placeLabel(actionLabel, 0, 16);
    placeLabel(addressLink, 100, 16);
    addressLink.underline = true;
    addressLink.onClick = [this] { onAddressClick(); };
    linkSubject.hide();
    linkAddress.hide();
    destroyedWhenClosed = true;
}

void ReminderWindow::onAddressClick() {
    platform::shellOpen(reminders::mailtoLink(linkAddress.text(), linkSubject.text()));
}

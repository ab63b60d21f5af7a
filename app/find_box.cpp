#include "app/find_box.h"

FindBox::FindBox(platform::Form* owner) : platform::Form(owner) {
    className = windowClass;
    setText(caption);
    borderStyle = platform::BorderStyle::ToolWindow;
    minimizeBox = false;
    centered = true;
    setClientSize(330, 66);
    defaultButton = &findNextButton;
    escapeButton = &closeButton;
    findWhatLabel.setText("Find what:");
    findWhatLabel.setBounds(8, 14, 0, 13);
    findWhatBox.setBounds(68, 10, 160, 21);
    findWhatBox.setTabOrder(0);
    findNextButton.setText("Find Next");
    findNextButton.setBounds(240, 8, 82, 25);
    findNextButton.setTabOrder(1);
    closeButton.setText("Close");
    closeButton.setBounds(240, 37, 82, 25);
    closeButton.setTabOrder(2);
    closeButton.onClick = [this] { hide(); };
}

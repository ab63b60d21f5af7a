// The main window as it is built, before its creation handler runs.
#include "app/main_window.h"
#include "platform/application.h"
#include "platform/dispatch.h"

namespace {

void place(platform::Control& control, int left, int top, int width, int height, int tab) {
    control.setBounds(left, top, width, height);
    control.setTabOrder(tab);
}

void placeLabel(platform::Label& label, const char* text, int left, int top) {
    label.setText(text);
    label.setBounds(left, top, 0, 13);
}

}  // namespace

MainWindow::MainWindow() {
    className = windowClass;
    setText(caption);
    setClientSize(794, 348);
    borderStyle = platform::BorderStyle::Single;
    minimizeBox = true;
    centered = true;
    iconResource = "MAINICON";
    menu = &menuBar;
    defaultButton = &okButton;
    byDateItem.setChecked(true);
    layOut();
    wireLifeCycle();
    wireEditor();
    wireOrderMenu();
    wireImport();
    wireFileMenu();
    wireEditMenu();
    aboutItem.onClick = [this] { onAbout(); };
    checkTimer.onTimer = [this] { onCheckTimer(); };
    showMissedRemindersItem.onClick = [this] { onShowMissedReminders(); };
    dataFolderItem.onClick = [this] { onDataFolder(); };
}

void MainWindow::layOut() {
    place(peopleGrid, 0, 0, 795, 289, 0);
    place(addButton, 215, 304, 105, 33, 1);
    addButton.setText("Add");
    place(entryPanel, 8, 216, 777, 129, 2);
    entryPanel.hide();
    place(modifyButton, 344, 304, 105, 33, 3);
    modifyButton.setText("Modify");
    modifyButton.hide();
    place(deleteButton, 472, 304, 105, 33, 4);
    deleteButton.setText("Delete");
    deleteButton.hide();
    layOutEntryPanel();
}

void MainWindow::layOutEntryPanel() {
    placeLabel(firstNameLabel, "Firstname :", 8, 24);
    placeLabel(surnameLabel, "Surname :", 8, 52);
    placeLabel(emailLabel, "E-mail :", 8, 80);
    placeLabel(phone1Label, "Phone 1 :", 200, 24);
    placeLabel(phone2Label, "Phone 2 :", 200, 52);
    placeLabel(monthLabel, "Month of birth :", 392, 24);
    placeLabel(dayLabel, "Day of birth :", 392, 52);
    placeLabel(actionLabel, "Action :", 600, 24);
    placeLabel(leadTimeLabel, "When :", 600, 52);
    placeLabel(reasonLabel, "Reason :", 600, 80);
    place(firstNameBox, 64, 20, 105, 21, 0);
    place(surnameBox, 64, 48, 105, 21, 1);
    place(emailBox, 64, 76, 121, 21, 2);
    place(phone1Box, 248, 20, 90, 21, 3);
    place(phone2Box, 248, 48, 90, 21, 4);
    place(dayBox, 474, 48, 33, 21, 5);
    place(monthList, 474, 20, 87, 21, 6);
    place(actionList, 650, 20, 111, 21, 7);
    place(leadTimeList, 650, 48, 111, 21, 8);
    place(reasonBox, 650, 76, 111, 21, 9);
    place(okButton, 288, 96, 89, 25, 10);
    okButton.setText("Ok");
    place(cancelButton, 408, 96, 89, 25, 11);
    cancelButton.setText("Cancel");
}

std::unique_ptr<MainWindow> createMainWindow() {
    platform::application::setTitle("Festorin");
    auto form = std::make_unique<MainWindow>();
    form->create();
    platform::dispatch([&] { form->onCreate(); });
    return form;
}

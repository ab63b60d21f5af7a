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
    menu = &MainMenu1;
    defaultButton = &b_ok;
    tri_date.setChecked(true);
    layOut();
    wireLifeCycle();
    wireEditor();
    wireOrderMenu();
    wireImport();
    wireFileMenu();
    m_apropos.onClick = [this] { m_aproposClick(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    m_showMissedReminders.onClick = [this] { m_showMissedRemindersClick(); };
}

void MainWindow::layOut() {
    place(gr1, 0, 0, 795, 289, 0);
    place(b_ajouter, 215, 304, 105, 33, 1);
    b_ajouter.setText("Add");
    place(gp1, 8, 216, 777, 129, 2);
    gp1.hide();
    place(b_modifier, 344, 304, 105, 33, 3);
    b_modifier.setText("Modify");
    b_modifier.hide();
    place(b_supprimer, 472, 304, 105, 33, 4);
    b_supprimer.setText("Delete");
    b_supprimer.hide();
    layOutEntryPanel();
}

void MainWindow::layOutEntryPanel() {
    placeLabel(Label1, "Firstname :", 8, 24);
    placeLabel(Label2, "Surname :", 8, 52);
    placeLabel(Label3, "E-mail :", 8, 80);
    placeLabel(Label4, "Phone 1 :", 200, 24);
    placeLabel(Label5, "Phone 2 :", 200, 52);
    placeLabel(Label6, "Month of birth :", 392, 24);
    placeLabel(Label7, "Day of birth :", 392, 52);
    placeLabel(Label8, "Action :", 600, 24);
    placeLabel(Label9, "When :", 600, 52);
    placeLabel(Label10, "Reason :", 600, 80);
    place(Edit1, 64, 20, 105, 21, 0);
    place(Edit2, 64, 48, 105, 21, 1);
    place(Edit3, 64, 76, 121, 21, 2);
    place(Edit4, 248, 20, 90, 21, 3);
    place(Edit5, 248, 48, 90, 21, 4);
    place(Edit6, 474, 48, 33, 21, 5);
    place(cb1, 474, 20, 87, 21, 6);
    place(cb2, 650, 20, 111, 21, 7);
    place(cb3, 650, 48, 111, 21, 8);
    place(cb4, 650, 76, 111, 21, 9);
    place(b_ok, 288, 96, 89, 25, 10);
    b_ok.setText("Ok");
    place(b_annuler, 408, 96, 89, 25, 11);
    b_annuler.setText("Cancel");
}

std::unique_ptr<MainWindow> createMainWindow() {
    platform::application::setTitle("Festorin");
    auto form = std::make_unique<MainWindow>();
    form->create();
    platform::dispatch([&] { form->FormCreate(); });
    return form;
}

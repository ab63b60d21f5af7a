// The main window's creation handler and the About box.
#include <array>

#include "app/main_window.h"
#include "book/choices.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "platform/color.h"
#include "platform/dispatch.h"
#include "platform/message_box.h"

namespace {

// A failing step is reported and the next steps still run, so that the
// people are read whenever they can be.
void step(const std::function<void()>& action) { platform::dispatch(action); }

constexpr unsigned toolWindowExStyle = 128;  // WS_EX_TOOLWINDOW

}  // namespace

void MainWindow::onCreate() {
    step([&] {
        icon = platform::loadIcon("ICON001");
        quitRequested = false;
        firstPaint = true;
    });
    step([&] {
        entryMode = panelClosed;
        editedRow = 0;
        remindersShown = 0;
    });
    step([&] { addTrayIcon(); });
    // The application window as a tool window: no taskbar button, ever.
    step([&] { platform::application::setExStyle(toolWindowExStyle); });
    step([&] { findDataFolder(); });
    step([&] { setHeadersAndWidths(); });
    step([&] {
        peopleGrid.setColor(platform::rgb(255, 255, 190));
        setColor(platform::rgb(255, 255, 153));
    });
    step([&] { fillChoiceLists(); });
    step([&] { loadCheckDate(); });
    step([&] { loadMissedRemindersOption(); });
    step([&] { readSortOrder(); });
    step([&] { loadContacts(); });
    step([&] { sortPeople(); });
    step([&] { followStandIn(); });
    startedUp_ = true;
    offerWaitingAddressBooks();
}

void MainWindow::setHeadersAndWidths() {
    peopleGrid.setColWidth(book::colKey, 0);
    peopleGrid.setCell(book::colFirstName, 0, "Firstname");
    peopleGrid.setCell(book::colSurname, 0, "Surname");
    struct Header {
        const char* text;
        int width;
    };
    static constexpr std::array<Header, 7> later{{{"E-mail", 92},
                                                  {"Phone 1", 90},
                                                  {"Phone 2", 90},
                                                  {"Day of birth", 70},
                                                  {"Action", 80},
                                                  {"When", 80},
                                                  {"Reason", 80}}};
    int col = book::colEmail;
    for (const Header& header : later) {
        peopleGrid.setColWidth(col, header.width);
        peopleGrid.setCell(col, 0, header.text);
        ++col;
    }
}

void MainWindow::fillChoiceLists() {
    for (const char* month : book::monthNames) monthList.addItem(month);
    for (const char* action : book::actionChoices) actionList.addItem(action);
    for (const char* when : book::leadTimeChoices) leadTimeList.addItem(when);
    for (const char* reason : book::reasonChoices) reasonBox.addItem(reason);
}

void MainWindow::onAbout() {
    platform::messageBox("Festorin v 1.0\r\nWritten by the Festorin developers", "About",
                         platform::MbIcon::Information, platform::MbButtons::Ok);
}

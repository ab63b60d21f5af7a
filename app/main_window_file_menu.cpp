// The File menu's Import... and Export...: the system's Open and Save
// dialogs, starting in the Documents folder and then where the user last
// chose a file.
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "address_book/vcard_writer.h"
#include "app/main_window.h"
#include "app/system_converters.h"
#include "platform/atomic_file.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

void MainWindow::wireFileMenu() {
    importItem.onClick = [this] { onImport(); };
    exportItem.onClick = [this] { onExport(); };
}

std::string MainWindow::fileDialogFolder() const {
    return lastFileFolder_.empty() ? platform::documentsFolder() : lastFileFolder_;
}

void MainWindow::rememberFolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos) lastFileFolder_ = path.substr(0, separator + 1);
}

// Each file chosen is offered as a dropped file is, one after another.
void MainWindow::onImport() {
    const std::vector<std::string> paths = platform::chooseFilesToOpen(
        {"Import birthdays",
         {{"Address books (*.vcf;*.csv)", "*.vcf;*.csv"}, {"All files (*.*)", "*.*"}},
         fileDialogFolder(),
         "",
         ""});
    if (paths.empty()) return;
    rememberFolderOf(paths.front());
    offerAddressBooks(paths);
}

// The file is replaced whole, as the data files are: a failed write leaves
// an earlier file as it was.
void MainWindow::onExport() {
    const std::optional<std::string> path =
        platform::chooseFileToSave({"Export birthdays",
                                    {{"vCard (*.vcf)", "*.vcf"}},
                                    fileDialogFolder(),
                                    "Festorin birthdays.vcf",
                                    "vcf"});
    if (!path) return;
    rememberFolderOf(*path);
    const std::vector<address_book::Cells> people = address_book::rowsOfPeople(peopleGrid);
    platform::writeFileAtomically(*path, address_book::vCardsOf(people, systemConverters()));
    platform::messageBox("Exported " + std::to_string(people.size()) + " people to " +
                             address_book::fileNameOf(*path) + ".",
                         caption, platform::MbIcon::Information, platform::MbButtons::Ok);
}

// The File menu's Import... and Export...: the system's Open and Save
// dialogs, starting in the Documents folder and then where the user last
// chose a file.
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "address_book/vcard_writer.h"
#include "app/main_window.h"
#include "app/system_converters.h"
#include "platform/atomic_file.h"
#include "platform/code_pages.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

void MainWindow::wireFileMenu() {
    importItem.onClick = [this] { onImport(); };
    exportItem.onClick = [this] { onExport(); };
}

std::string MainWindow::fileDialogFolderUtf8() const {
    return lastFileFolderUtf8_.empty() ? platform::documentsFolderUtf8() : lastFileFolderUtf8_;
}

// No byte of a UTF-8 character is a backslash or a slash.
void MainWindow::rememberFolderOf(const std::string& utf8Path) {
    const std::size_t separator = utf8Path.find_last_of("\\/");
    if (separator != std::string::npos) lastFileFolderUtf8_ = utf8Path.substr(0, separator + 1);
}

// Each file chosen is offered as a dropped file is, one after another.
void MainWindow::onImport() {
    const std::vector<std::string> utf8Paths = platform::chooseFilesToOpen(
        {"Import birthdays",
         {{"Address books (*.vcf;*.csv)", "*.vcf;*.csv"}, {"All files (*.*)", "*.*"}},
         fileDialogFolderUtf8(),
         "",
         ""});
    if (utf8Paths.empty()) return;
    rememberFolderOf(utf8Paths.front());
    offerAddressBooks(utf8Paths);
}

// The file is replaced whole, as the data files are: a failed write leaves
// an earlier file as it was. An empty list is said so before any dialog: a
// file without cards would only be refused by every import.
void MainWindow::onExport() {
    const std::vector<address_book::Cells> people = address_book::rowsOfPeople(peopleGrid);
    if (people.empty()) {
        platform::messageBox("There is nobody to export.", caption, platform::MbIcon::Information,
                             platform::MbButtons::Ok);
        return;
    }
    const std::optional<std::string> utf8Path =
        platform::chooseFileToSave({"Export birthdays",
                                    {{"vCard (*.vcf)", "*.vcf"}},
                                    fileDialogFolderUtf8(),
                                    "Festorin birthdays.vcf",
                                    "vcf"});
    if (!utf8Path) return;
    rememberFolderOf(*utf8Path);
    platform::writeFileAtomically(*utf8Path, address_book::vCardsOf(people, systemConverters()));
    // The name as the system shows it, in the box's ANSI code page.
    platform::messageBox("Exported " + std::to_string(people.size()) + " people to " +
                             platform::utf8ToAnsi(address_book::fileNameOf(*utf8Path)) + ".",
                         caption, platform::MbIcon::Information, platform::MbButtons::Ok);
}

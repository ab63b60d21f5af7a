// The File menu's Import... and Export...: the system's Open and Save
// dialogs, starting in the Documents folder and then where the user last
// chose a file.
#include "address_book/icalendar_writer.h"
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "address_book/vcard_writer.h"
#include "app/main_window.h"
#include "app/system_converters.h"
#include "book/text.h"
#include "platform/atomic_file.h"
#include "platform/code_pages.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/services.h"

namespace {

// The types an export writes, in the order of the Save dialog's list.
enum ExportType : std::size_t { vCardType = 0, calendarType = 1 };
const std::vector<platform::FileFilter> exportTypes{{"vCard (*.vcf)", "*.vcf"},
                                                    {"Calendar (*.ics)", "*.ics"}};
const char* const exportExtensions[] = {"vcf", "ics"};

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// A name typed with the extension of one type is written in that type,
// whatever the list shows; any other name in the type chosen.
std::size_t exportTypeOf(const platform::FileToSave& file) {
    const std::string name = address_book::fileNameOf(file.pathUtf8);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        const std::string extension = lowerCase(name.substr(dot + 1));
        for (std::size_t type = 0; type < exportTypes.size(); ++type)
            if (extension == exportExtensions[type]) return type;
    }
    return file.filter < exportTypes.size() ? file.filter : vCardType;
}

}  // namespace

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
// file without cards would only be refused by every import. The dialog
// offers the type written last.
void MainWindow::onExport() {
    const std::vector<address_book::Cells> people = address_book::rowsOfPeople(peopleGrid);
    if (people.empty()) {
        platform::messageBox("There is nobody to export.", caption, platform::MbIcon::Information,
                             platform::MbButtons::Ok);
        return;
    }
    const char* const extension = exportExtensions[lastExportType_];
    const std::optional<platform::FileToSave> file = platform::chooseFileToSave(
        {"Export birthdays", exportTypes, fileDialogFolderUtf8(),
         std::string("Festorin birthdays.") + extension, extension, lastExportType_});
    if (!file) return;
    rememberFolderOf(file->pathUtf8);
    lastExportType_ = exportTypeOf(*file);
    // The name as the system shows it, in the box's ANSI code page.
    const std::string shownName = platform::utf8ToAnsi(address_book::fileNameOf(file->pathUtf8));
    if (lastExportType_ == calendarType) {
        exportCalendar(people, file->pathUtf8, shownName);
        return;
    }
    platform::writeFileAtomically(file->pathUtf8,
                                  address_book::vCardsOf(people, systemConverters()));
    platform::messageBox(
        "Exported " + std::to_string(people.size()) + " people to " + shownName + ".", caption,
        platform::MbIcon::Information, platform::MbButtons::Ok);
}

// The box names those a calendar cannot hold, so that the user can mend
// their birthdays.
void MainWindow::exportCalendar(const std::vector<address_book::Cells>& people,
                                const std::string& utf8Path, const std::string& shownName) {
    const address_book::BirthdayCalendar calendar =
        address_book::birthdayCalendarOf(people, platform::now(), systemConverters());
    platform::writeFileAtomically(utf8Path, calendar.bytes);
    std::string said =
        "Exported " + std::to_string(calendar.written) + " people to " + shownName + ".";
    if (calendar.leftOut > 0)
        said += "\nLeft out " + book::peopleCount(calendar.leftOut) +
                " whose birthday is not a real day, such as 30 February.";
    platform::messageBox(said, caption, platform::MbIcon::Information, platform::MbButtons::Ok);
}

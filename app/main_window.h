#pragma once
// MainWindow: the main window, its controls, menus and state.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "address_book/person.h"
#include "platform/button.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/group_box.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/timer.h"
#include "platform/tray_icon.h"
#include "reminders/reminder_window.h"

class MainWindow : public platform::Form {
public:
    MainWindow();

    // How other programs, and a second run of Festorin, find the main window.
    static constexpr const char* windowClass = "TForm1";
    static constexpr const char* caption = "Festorin";

    // Controls, declared in tab order.
    platform::StringGrid gr1{this, 10};
    platform::Button b_ajouter{this};
    platform::GroupBox gp1{this};
    platform::Label Label1{&gp1}, Label2{&gp1}, Label3{&gp1}, Label4{&gp1}, Label5{&gp1},
        Label6{&gp1}, Label7{&gp1}, Label8{&gp1}, Label9{&gp1}, Label10{&gp1};
    platform::Edit Edit1{&gp1}, Edit2{&gp1}, Edit3{&gp1}, Edit4{&gp1}, Edit5{&gp1}, Edit6{&gp1};
    platform::ComboBox cb1{&gp1, platform::ComboStyle::PickOnly};
    platform::ComboBox cb2{&gp1, platform::ComboStyle::PickOnly};
    platform::ComboBox cb3{&gp1, platform::ComboStyle::PickOnly};
    platform::ComboBox cb4{&gp1, platform::ComboStyle::Editable};
    platform::Button b_ok{&gp1};
    platform::Button b_annuler{&gp1};
    platform::Button b_modifier{this};
    platform::Button b_supprimer{this};

    // The menu bar.
    platform::MenuItem MainMenu1{nullptr};
    platform::MenuItem m_fichier{&MainMenu1, "&File"};
    platform::MenuItem m_import{&m_fichier, "&Import..."};
    platform::MenuItem m_export{&m_fichier, "&Export..."};
    platform::MenuItem m_fileSeparator{&m_fichier, "-"};
    platform::MenuItem m_quitter{&m_fichier, "&Quit"};
    platform::MenuItem m_options{&MainMenu1, "&Options"};
    platform::MenuItem m_trier{&m_options, "Order"};
    platform::MenuItem tri_date{&m_trier, "by date"};
    platform::MenuItem tri_prenom{&m_trier, "by firstname"};
    platform::MenuItem tri_nom{&m_trier, "by surname"};
    platform::MenuItem tri_email{&m_trier, "by E-mail"};
    platform::MenuItem m_demarrer{&m_options, "Start in the system tray"};
    platform::MenuItem m_showMissedReminders{&m_options, "Show missed reminders"};
    platform::MenuItem m_interro{&MainMenu1, "?"};
    platform::MenuItem m_apropos{&m_interro, "&About..."};

    platform::Timer Timer1{*this, 60000};

    // The notification-area icon's menu.
    platform::PopupMenu PopupDroit;
    platform::MenuItem QuitterItem{&PopupDroit, "Quit"};
    platform::MenuItem RestaurerItem{&PopupDroit, "Restore"};
    platform::MenuItem RduireItem{&PopupDroit, "Minimize"};

    // What the entry panel is doing; mode_saisie holds one of these.
    enum EntryMode : std::int32_t { panelClosed = 0, panelAdding = 1, panelModifying = 2 };

    // State.
    platform::IconHandle icone = 0;
    bool demande_quitter = false;
    bool premier_affichage = true;
    std::int32_t mode_saisie = panelClosed;
    std::int32_t ligne_saisie = 0;
    std::int32_t nb_rappels = 0;
    platform::DateTime derniere_verif{};
    std::int32_t ordre_tri = 0;
    std::string dossier;

    void FormCreate();
    void m_aproposClick();

    // Rewrites the contact file from the grid.
    void sauver();
    // Fills the grid from the contact file.
    void lire();
    void RemoveLine(platform::StringGrid& grid, int row);

    // The daily reminder check and its windows.
    void Timer1Timer();
    void verif();
    void afficher(const std::string& sentence, const std::string& action,
                  const std::string& address, const std::string& subject);
    void m_showMissedRemindersClick();
    const std::vector<std::unique_ptr<ReminderWindow>>& reminderWindows() const { return reminderWindows_; }

    // The Order menu. trier orders the grid by column ordre_tri and returns
    // where each row came from, result[newRow] == oldRow over grid rows (see
    // book::sortRows), so that a row number held across it can follow its person.
    std::vector<int> trier();
    void tri_dateClick();
    void tri_prenomClick();
    void tri_nomClick();
    void tri_emailClick();

    // The contact editor.
    void b_ajouterClick();
    void b_modifierClick();
    void b_supprimerClick();
    void b_okClick();
    void b_annulerClick();
    void Edit6KeyPress(char& key);
    void gr1SelectCell(int col, int row, bool& canSelect);
    // Writes a change whose save failed, reporting a new failure; for the end
    // of the program.
    void saveUnsavedChanges();

    // The notification-area icon and the window's life cycle.
    void ajouter_icone();
    void retirer_icone();
    // Offered every window message first; true when the message is consumed.
    bool WndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void message_icone(std::uintptr_t wParam, std::intptr_t lParam);
    void m_quitterClick();
    void QuitterItemClick();
    void RestaurerItemClick();
    void ReduireItemClick();
    void FormCloseQuery(bool& canClose);
    void FormPaint();
    void m_demarrerClick();
    void FormDestroy();
    // A second run of Festorin handed over its files; anything else handed
    // over is refused: false.
    bool anotherRunStarted(std::uintptr_t tag, std::string_view handOver);

    // Address books to take people from, however they came: they wait in one
    // queue and are offered one after another, once start-up is done.
    void offerAddressBooks(const std::vector<std::string>& paths);
    void importAddressBook(const std::string& path);

    // The File menu: address books chosen in the Open dialog, offered as
    // dropped files are, and the list written to a vCard file.
    void m_importClick();
    void m_exportClick();

private:
    // Start-up.
    void layOut();
    void layOutEntryPanel();
    void setHeadersAndWidths();
    void fillChoiceLists();
    void loadCheckDate();
    void loadMissedRemindersOption();

    // The Order menu.
    void wireOrderMenu();
    void readSortOrder();
    void chooseOrder(int order);
    void checkOrderItem();

    // The contact editor.
    void wireEditor();
    void openEntryPanel(const char* caption);
    void closeEntryPanel();
    bool entriesAccepted();
    bool refuseEntry(const std::string& message, platform::Control* atFault);
    int rowForEntries();
    void writeEntries(int row);
    void followDeletion(int row);
    void followSort(const std::vector<int>& order);
    void saveChanges();

    // Importing.
    void wireImport();
    void offerWaitingAddressBooks();
    void offerEachWaitingAddressBook();
    void addImportedPeople(const std::vector<address_book::Cells>& people);

    // The File menu's dialogs.
    void wireFileMenu();
    std::string fileDialogFolder() const;
    void rememberFolderOf(const std::string& path);

    // The life cycle.
    void wireLifeCycle();
    void askToQuit();
    void bringBack();

    // Set when the contact file exists but could not be read whole: saving
    // then would replace the people that were not read.
    bool contactsUnreadable_ = false;

    // Set while the grid holds a change that the contact file does not.
    bool unsavedChanges_ = false;

    // Set once the creation handler has read and sorted the contact file.
    bool startedUp_ = false;

    // Address books waiting for their question, in the order they came.
    std::deque<std::string> waitingAddressBooks_;
    // Set from the moment the waiting address books are due to be offered
    // until the last of them is answered: one question at a time.
    bool offeringAddressBooks_ = false;

    // The folder of the last file chosen in a File menu dialog in this run.
    std::string lastFileFolder_;

    // Every reminder window opened, kept until the program ends.
    std::vector<std::unique_ptr<ReminderWindow>> reminderWindows_;
};

// Titles the application, builds the main window and its real window, and
// runs its creation handler.
std::unique_ptr<MainWindow> createMainWindow();

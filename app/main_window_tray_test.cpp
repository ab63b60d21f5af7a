#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/hand_over.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"

namespace {

namespace hl = platform::headless;
using platform::MbResult;

constexpr unsigned wmSysCommand = 274;
constexpr unsigned iconMessage = 1025;
constexpr std::intptr_t wmMouseMove = 512, wmLButtonDown = 513, wmLButtonUp = 514,
                        wmLButtonDblClk = 515, wmRButtonDown = 516, wmRButtonUp = 517;

class LifeCycle : public test_support::HeadlessTest {
protected:
    LifeCycle() { platform::application::setTitle("Festorin"); }

    // Creation, then the message loop's first show and paint.
    void start() {
        form = createMainWindow();
        platform::application::run(*form);
    }

    bool iconMouse(std::intptr_t mouseMessage) {
        return hl::sendMessage(*form, iconMessage, 1, mouseMessage);
    }
    bool systemCommand(std::uintptr_t command) {
        return hl::sendMessage(*form, wmSysCommand, command, 0);
    }
    void quitFromThePopup(MbResult answer) {
        hl::answerNextBox(answer);
        hl::click(form->trayQuitItem);
    }
    bool ended() const { return form->destroyed(); }
    bool iconPresent() const {
        return !hl::trayCalls().empty() && hl::trayCalls().back().message == platform::nimAdd;
    }
    void expectQuitQuestion(const hl::ShownBox& box) {
        EXPECT_EQ(box.text, "Do you really want to quit Festorin ?");
        EXPECT_EQ(box.caption, "Confirmation");
        EXPECT_EQ(box.icon, platform::MbIcon::Question);
        EXPECT_EQ(box.buttons, platform::MbButtons::YesNo);
    }
    // What the program handed the shell about its icon, the texts padded
    // with zeros to the structure's size.
    void expectIconData(const hl::TrayCall& call, unsigned message, unsigned flags,
                        unsigned callbackMessage, platform::IconHandle icon,
                        const std::string& tip) const {
        EXPECT_EQ(call.message, message);
        EXPECT_EQ(call.data.cbSize, 88u);
        EXPECT_EQ(call.data.window, form.get());
        EXPECT_EQ(call.data.id, 1u);
        EXPECT_EQ(call.data.flags, flags);
        EXPECT_EQ(call.data.callbackMessage, callbackMessage);
        EXPECT_EQ(call.data.icon, icon);
        EXPECT_EQ(std::string(call.data.tip, sizeof call.data.tip),
                  tip + std::string(sizeof call.data.tip - tip.size(), '\0'));
    }
    void expectIconAdded(const hl::TrayCall& call) const {
        expectIconData(call, platform::nimAdd, 7, 1025, form->icon, "Festorin");
    }

    std::string marker() const { return dataFile("st.txt"); }
    void startWithMarker(const std::string& contents) {
        prepareDataFolder();
        test_support::writeBytes(marker(), contents);
        start();
    }

    // Adds Dara through the entry panel; the save of her Ok fails.
    void addDaraWithAFailedSave() {
        hl::click(form->addButton);
        hl::type(form->firstNameBox, "Dara");
        hl::pick(form->monthList, 2);
        hl::type(form->dayBox, "5");
        platform::fs::failAfter(platform::fs::Op::Create);
        hl::click(form->okButton);
    }

    // A fresh world on the same application-data folder, to start again.
    void restartTheWorld() {
        hl::reset();
        platform::fs::clearFaults();
        hl::setAppDataFolder(appData.path());
    }

    std::unique_ptr<MainWindow> form;
};

TEST_F(LifeCycle, CreationLoadsTheIconAddsItKeepsOffTheTaskbarAndAddsItAgainForANewTaskbar) {
    form = createMainWindow();
    ASSERT_EQ(hl::loadedIcons(), std::vector<std::string>{"ICON001"});
    EXPECT_NE(form->icon, 0u);
    EXPECT_FALSE(form->quitRequested);
    EXPECT_TRUE(form->firstPaint);
    EXPECT_EQ(platform::application::exStyle(), 128u);

    ASSERT_EQ(hl::trayCalls().size(), 1u);
    expectIconAdded(hl::trayCalls()[0]);

    platform::application::run(*form);
    form->hide();
    EXPECT_TRUE(hl::sendMessage(*form, platform::taskbarCreatedMessage(), 0, 0));
    ASSERT_EQ(hl::trayCalls().size(), 2u);
    expectIconAdded(hl::trayCalls()[1]);
    EXPECT_FALSE(form->visible());
}

TEST_F(LifeCycle, TheCloseButtonEndsWithoutAQuestionAndTakesTheIconOut) {
    start();
    form->close();
    EXPECT_TRUE(ended());
    EXPECT_TRUE(hl::shownBoxes().empty());
    ASSERT_EQ(hl::trayCalls().size(), 2u);
    expectIconData(hl::trayCalls()[1], platform::nimDelete, 0, 0, 0, "");
    EXPECT_EQ(hl::destroyedIcons(), std::vector<platform::IconHandle>{form->icon});
}

TEST_F(LifeCycle, OtherMessagesGoOnMinimisingHidesAndIsConsumed) {
    start();
    EXPECT_FALSE(systemCommand(0xF060));  // Close
    EXPECT_FALSE(systemCommand(0xF120));  // Restore
    EXPECT_FALSE(hl::sendMessage(*form, 0x000F, 0, 0));
    EXPECT_FALSE(hl::sendMessage(*form, 0xF020, 0, 0));  // the command value alone
    EXPECT_TRUE(form->visible());
    EXPECT_FALSE(ended());

    const int left = form->left(), top = form->top();
    EXPECT_TRUE(systemCommand(0xF020));
    EXPECT_FALSE(form->visible());
    EXPECT_FALSE(platform::application::minimized());
    EXPECT_TRUE(iconPresent());

    form->show();
    EXPECT_TRUE(systemCommand(0xF022));  // the low four bits belong to the system
    EXPECT_FALSE(form->visible());

    EXPECT_TRUE(iconMouse(wmLButtonDblClk));
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(form->left(), left);
    EXPECT_EQ(form->top(), top);
    EXPECT_EQ(hl::frontForm(), form.get());
}

TEST_F(LifeCycle, ShownAndHiddenThroughTheIconAndItsMenu) {
    start();
    hl::click(form->trayMinimizeItem);
    EXPECT_FALSE(form->visible());
    hl::click(form->trayMinimizeItem);
    EXPECT_FALSE(form->visible());

    hl::click(form->trayRestoreItem);
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(hl::frontForm(), form.get());

    hl::setApplicationMinimized(true);
    iconMouse(wmLButtonDblClk);
    EXPECT_FALSE(platform::application::minimized());
    EXPECT_TRUE(form->visible());

    hl::setApplicationMinimized(true);
    hl::click(form->trayRestoreItem);
    EXPECT_FALSE(platform::application::minimized());
    EXPECT_TRUE(form->visible());

    // Festorin started again brings this window back as Restore does; what
    // any other process sends is refused and changes nothing.
    hl::click(form->trayMinimizeItem);
    hl::setApplicationMinimized(true);
    const std::string program = "\"C:\\Festorin\\Festorin.exe\"";
    std::string tooMany = program;
    for (int i = 0; i <= 100; ++i) tooMany += " " + std::to_string(i) + ".vcf";
    for (const auto& [tag, data] : std::vector<std::pair<std::uintptr_t, std::string>>{
             {0, program},
             {app::ansiHandOverTag + 1, program},
             {app::ansiHandOverTag, program + " \"" + std::string(64 * 1024, 'x') + "\""},
             {app::ansiHandOverTag, tooMany},
             {app::ansiHandOverTag, program + std::string(" a.vcf\0b.vcf", 13)}}) {
        EXPECT_FALSE(hl::handOver(*form, tag, data)) << data.substr(0, 40);
        EXPECT_TRUE(platform::application::minimized());
        EXPECT_FALSE(form->visible());
    }
    hl::runLaterActions();
    EXPECT_TRUE(hl::shownBoxes().empty());
    EXPECT_TRUE(hl::handOver(*form, app::ansiHandOverTag, program));
    EXPECT_FALSE(platform::application::minimized());
    EXPECT_TRUE(form->visible());
    EXPECT_EQ(hl::frontForm(), form.get());
    EXPECT_FALSE(ended());
    EXPECT_TRUE(hl::shownBoxes().empty());
}

TEST_F(LifeCycle, TheMenuOpensAtTheCursorOnRightButtonUpOnlyWithItsItemsInOrderUnchecked) {
    start();
    hl::setCursorPos({1003, 757});
    for (std::intptr_t mouse :
         {wmMouseMove, wmLButtonDown, wmLButtonUp, wmRButtonDown, std::intptr_t{0}})
        iconMouse(mouse);
    EXPECT_TRUE(hl::popups().empty());
    EXPECT_EQ(hl::frontForm(), nullptr);
    EXPECT_TRUE(form->visible());

    form->hide();
    iconMouse(wmLButtonDown);
    iconMouse(wmLButtonUp);
    EXPECT_FALSE(form->visible());

    iconMouse(wmRButtonUp);
    ASSERT_EQ(hl::popups().size(), 1u);
    EXPECT_EQ(hl::popups()[0].menu, &form->trayMenu);
    EXPECT_EQ(hl::popups()[0].x, 1003);
    EXPECT_EQ(hl::popups()[0].y, 757);
    EXPECT_FALSE(form->visible());

    const auto& items = form->trayMenu.items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], &form->trayQuitItem);
    EXPECT_EQ(items[1], &form->trayRestoreItem);
    EXPECT_EQ(items[2], &form->trayMinimizeItem);
    EXPECT_EQ(items[0]->caption(), "Quit");
    EXPECT_EQ(items[1]->caption(), "Restore");
    EXPECT_EQ(items[2]->caption(), "Minimize");
    for (const platform::MenuItem* item : items) EXPECT_FALSE(item->checked());
}

TEST_F(LifeCycle, QuitAnsweredNoKeepsTheStateAndAsksAgainNextTimeButCloseDoesNot) {
    start();
    form->hide();
    quitFromThePopup(MbResult::No);
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    expectQuitQuestion(hl::shownBoxes()[0]);
    EXPECT_FALSE(ended());
    EXPECT_FALSE(form->visible());
    EXPECT_FALSE(form->quitRequested);
    EXPECT_TRUE(iconPresent());

    form->show();
    hl::answerNextBox(MbResult::No);
    hl::click(form->quitItem);
    EXPECT_EQ(hl::shownBoxes().size(), 2u);
    EXPECT_TRUE(form->visible());
    EXPECT_FALSE(ended());

    form->close();
    EXPECT_EQ(hl::shownBoxes().size(), 2u) << "closing after a No asks nothing";
    EXPECT_TRUE(ended());
    EXPECT_FALSE(iconPresent());
}

// Only No keeps the program running, from the menu or the icon's, shown or
// hidden and minimised.
TEST_F(LifeCycle, QuitAnsweredAnythingButNoEnds) {
    const struct {
        bool fromTheIcon, hidden;
        MbResult answer;
    } cases[] = {{false, false, MbResult::Yes},
                 {true, true, MbResult::Yes},
                 {true, false, MbResult::Cancel}};
    for (const auto& c : cases) {
        restartTheWorld();
        start();
        if (c.hidden) {
            hl::setApplicationMinimized(true);
            form->hide();
        }
        hl::answerNextBox(c.answer);
        hl::click(c.fromTheIcon ? form->trayQuitItem : form->quitItem);
        ASSERT_EQ(hl::shownBoxes().size(), 1u);
        expectQuitQuestion(hl::shownBoxes()[0]);
        EXPECT_TRUE(ended());
        EXPECT_FALSE(iconPresent());
        EXPECT_EQ(hl::destroyedIcons().size(), 1u);
    }
}

// A marker file, empty or not, hides the window at its first paint only; a
// folder of that name is no marker.
TEST_F(LifeCycle, AMarkerFileHidesAtTheFirstPaintOnly) {
    for (const char* contents : {"", "anything"}) {
        restartTheWorld();
        startWithMarker(contents);
        EXPECT_FALSE(form->visible()) << contents;
        EXPECT_TRUE(form->startInTrayItem.checked());
    }
    EXPECT_FALSE(form->firstPaint);
    iconMouse(wmLButtonDblClk);
    hl::paint(*form);
    EXPECT_TRUE(form->visible());
    EXPECT_TRUE(form->startInTrayItem.checked());

    restartTheWorld();
    std::filesystem::remove(std::filesystem::path(appData.path()) / "FN" / "st.txt");
    test_support::makeFolder(marker());
    start();
    EXPECT_TRUE(form->visible());
    EXPECT_FALSE(form->startInTrayItem.checked());
}

TEST_F(LifeCycle, WithoutMarkerLaterPaintsNeverHide) {
    form = createMainWindow();
    form->startInTrayItem.setChecked(true);
    platform::application::run(*form);
    EXPECT_TRUE(form->visible());
    EXPECT_FALSE(form->startInTrayItem.checked());
    EXPECT_FALSE(form->firstPaint);

    test_support::writeBytes(marker(), "*\r\n");
    hl::paint(*form);
    EXPECT_TRUE(form->visible());
    EXPECT_FALSE(form->startInTrayItem.checked());
}

TEST_F(LifeCycle, ALateFirstPaintStillAppliesTheMarker) {
    prepareDataFolder();
    test_support::writeBytes(marker(), "*\r\n");
    form = createMainWindow();
    hl::paint(*form);  // not shown yet: nothing is painted
    EXPECT_TRUE(form->firstPaint);
    EXPECT_FALSE(form->startInTrayItem.checked());

    form->show();
    hl::paint(*form);
    EXPECT_FALSE(form->visible());
    EXPECT_TRUE(form->startInTrayItem.checked());
}

TEST_F(LifeCycle, CheckingWritesTheMarkerAndKeepsTheWindowShown) {
    start();
    test_support::writeBytes(marker(), "old content, longer than the marker");
    ASSERT_FALSE(form->startInTrayItem.checked());
    hl::click(form->startInTrayItem);
    EXPECT_TRUE(form->startInTrayItem.checked());
    EXPECT_EQ(test_support::readBytes(marker()), std::string("\x2A\x0D\x0A"));
    EXPECT_FALSE(test_support::exists(marker() + ".tmp"));
    EXPECT_TRUE(form->visible());
    EXPECT_TRUE(hl::shownBoxes().empty());

    hl::click(form->startInTrayItem);
    EXPECT_FALSE(form->startInTrayItem.checked());
    EXPECT_FALSE(test_support::exists(marker()));
    EXPECT_TRUE(form->visible());

    // The handler goes by the check mark, not by the file: unchecked although
    // an empty file exists, it writes the marker.
    test_support::writeBytes(marker(), "");
    hl::click(form->startInTrayItem);
    EXPECT_TRUE(form->startInTrayItem.checked());
    EXPECT_EQ(test_support::readBytes(marker()), "*\r\n");
}

// Unchecking clears the mark whatever becomes of the file: gone already, a
// folder of that name (left alone), or a delete that fails.
TEST_F(LifeCycle, UncheckingClearsTheMarkSilently) {
    start();
    form->startInTrayItem.setChecked(true);
    hl::click(form->startInTrayItem);
    EXPECT_FALSE(form->startInTrayItem.checked());
    EXPECT_FALSE(test_support::exists(marker()));

    form->startInTrayItem.setChecked(true);
    test_support::makeFolder(marker());
    hl::click(form->startInTrayItem);
    EXPECT_FALSE(form->startInTrayItem.checked());
    EXPECT_TRUE(test_support::exists(marker()));
    EXPECT_TRUE(hl::shownBoxes().empty());

    restartTheWorld();
    std::filesystem::remove(std::filesystem::path(appData.path()) / "FN" / "st.txt");
    startWithMarker("*\r\n");
    ASSERT_TRUE(form->startInTrayItem.checked());
    platform::fs::failAfter(platform::fs::Op::Remove);
    hl::click(form->startInTrayItem);
    EXPECT_FALSE(form->startInTrayItem.checked());
    EXPECT_TRUE(hl::shownBoxes().empty());
}

TEST_F(LifeCycle, AFailedMarkerWriteIsReportedWithTheMarkStayingSet) {
    for (platform::fs::Op failing :
         {platform::fs::Op::Create, platform::fs::Op::Write, platform::fs::Op::Replace}) {
        start();
        platform::fs::failAfter(failing);
        hl::click(form->startInTrayItem);
        EXPECT_TRUE(form->startInTrayItem.checked());
        ASSERT_EQ(hl::shownBoxes().size(), 1u);
        const hl::ShownBox& box = hl::shownBoxes()[0];
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.icon, platform::MbIcon::Error);
        EXPECT_NE(box.text.find("st.txt"), std::string::npos) << box.text;
        EXPECT_FALSE(test_support::exists(marker()));
        EXPECT_FALSE(test_support::exists(marker() + ".tmp"));
        EXPECT_TRUE(form->visible());
        restartTheWorld();
    }
}

TEST_F(LifeCycle, AChangeWhoseSaveFailedIsWrittenWhenTheProgramEnds) {
    for (bool throughQuit : {false, true}) {
        start();
        addDaraWithAFailedSave();
        ASSERT_EQ(hl::shownBoxes().size(), 1u);
        ASSERT_FALSE(test_support::exists(dataFile("dates.txt")));

        if (throughQuit)
            quitFromThePopup(MbResult::Yes);
        else
            form->close();
        EXPECT_TRUE(ended());
        EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")).size(), 364u);
        EXPECT_FALSE(iconPresent());
        std::filesystem::remove(std::filesystem::path(appData.path()) / "FN" / "dates.txt");
        restartTheWorld();
    }
}

TEST_F(LifeCycle, AFailureToWriteAtTheEndIsReportedAndTheIconStillGoes) {
    start();
    addDaraWithAFailedSave();
    platform::fs::failAfter(platform::fs::Op::Create);
    form->close();
    ASSERT_EQ(hl::shownBoxes().size(), 2u);
    EXPECT_EQ(hl::shownBoxes()[1].caption, "Festorin");
    EXPECT_EQ(hl::shownBoxes()[1].icon, platform::MbIcon::Error);
    EXPECT_TRUE(ended());
    EXPECT_FALSE(iconPresent());
    EXPECT_EQ(hl::destroyedIcons().size(), 1u);
}

}  // namespace

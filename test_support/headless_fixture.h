#pragma once
// Every test of the handlers starts from a fresh headless world with an
// application-data folder of its own.
#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "platform/file_faults.h"
#include "platform/headless/headless.h"
#include "records.h"
#include "test_folder.h"

namespace test_support {

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() {
        platform::headless::reset();
        platform::fs::clearFaults();
        platform::headless::setAppDataFolder(appData.path());
    }
    ~HeadlessTest() override { platform::fs::clearFaults(); }

    // The data folder the program will find: "FN\" in the application data.
    std::string dataFolder() const { return appData.path() + "\\FN\\"; }
    std::string dataFile(const std::string& name) const { return dataFolder() + name; }
    void prepareDataFolder() const { makeFolder(dataFolder()); }

    // The grid's rows below its header, every cell of each.
    static std::vector<Person> rowsOf(const platform::StringGrid& grid) {
        std::vector<Person> people;
        for (int row = 1; row < grid.rowCount(); ++row) {
            Person cells;
            for (int col = 0; col < grid.colCount(); ++col) cells.push_back(grid.cell(col, row));
            people.push_back(cells);
        }
        return people;
    }

    TestFolder appData;
};

}  // namespace test_support

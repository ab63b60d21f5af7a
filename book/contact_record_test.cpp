#include "contact_record.h"

#include <gtest/gtest.h>

#include <memory>

#include "contact_table.h"

namespace {

std::unique_ptr<platform::StringGrid> gridWith(const std::vector<std::string>& cells) {
    auto grid = std::make_unique<platform::StringGrid>(nullptr, book::columnCount);
    for (int col = 0; col < book::columnCount; ++col) grid->setCell(col, 1, cells[col]);
    return grid;
}

std::string fieldBytes(const book::ContactRecord& record, std::size_t offset, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(&record.bytes[offset]), count);
}

TEST(ContactRecordLayout, LaysOutTheTenFieldsAtTheirOffsets) {
    auto grid = gridWith({"0305", "Dara", "Ruze", "dara@example.org", "0102", "0203", "March, 5",
                          "Send an E-mail", "The exact day", "Birtday"});
    book::ContactRecord record = book::ContactRecord::fromRow(*grid, 1);
    EXPECT_EQ(fieldBytes(record, 0, 5), std::string("\x04") + "0305");
    EXPECT_EQ(fieldBytes(record, 5, 5), std::string("\x04") + "Dara");
    EXPECT_EQ(fieldBytes(record, 66, 5), std::string("\x04") + "Ruze");
    EXPECT_EQ(fieldBytes(record, 127, 17), std::string("\x10") + "dara@example.org");
    EXPECT_EQ(fieldBytes(record, 188, 5), std::string("\x04") + "0102");
    EXPECT_EQ(fieldBytes(record, 219, 5), std::string("\x04") + "0203");
    EXPECT_EQ(fieldBytes(record, 250, 9), std::string("\x08") + "March, 5");
    EXPECT_EQ(fieldBytes(record, 281, 15), std::string("\x0e") + "Send an E-mail");
    EXPECT_EQ(fieldBytes(record, 302, 14), std::string("\x0d") + "The exact day");
    EXPECT_EQ(fieldBytes(record, 323, 8), std::string("\x07") + "Birtday");

    // Each field starts where the one before it ends, with the capacity that
    // files already written have.
    constexpr std::size_t capacities[] = {4, 60, 60, 60, 30, 30, 30, 20, 20, 40};
    std::size_t offset = 0;
    for (std::size_t field = 0; field < book::recordFields.size(); ++field) {
        EXPECT_EQ(book::recordFields[field].offset, offset) << "field " << field;
        EXPECT_EQ(book::recordFields[field].capacity, capacities[field]) << "field " << field;
        offset += capacities[field] + 1;
    }
    EXPECT_EQ(offset, book::ContactRecord::size);
}

TEST(ContactRecordLayout, CutsLongTextsToTheirFields) {
    auto grid = gridWith({"030512", std::string(70, 'a'), "", "", std::string(35, '1'), "", "", "",
                          "", std::string(45, 'r')});
    book::ContactRecord record = book::ContactRecord::fromRow(*grid, 1);
    EXPECT_EQ(record.field(0), "0305");
    EXPECT_EQ(record.field(1), std::string(60, 'a'));
    EXPECT_EQ(record.field(4), std::string(30, '1'));
    EXPECT_EQ(record.field(9), std::string(40, 'r'));
    EXPECT_EQ(record.bytes[5], 60);
    EXPECT_EQ(record.bytes[323], 40);
}

TEST(ContactRecordLayout, ReadsOnlyTheLengthAndNeverPastTheField) {
    book::ContactRecord record;
    record.bytes.fill('#');
    record.bytes[5] = 3;     // first name: "###" and junk after it
    record.bytes[66] = 255;  // surname: a length byte far above its 60
    record.bytes[0] = 0;
    EXPECT_EQ(record.field(0), "");
    EXPECT_EQ(record.field(1), "###");
    EXPECT_EQ(record.field(2), std::string(60, '#'));
    record.bytes[323] = 200;  // reason, the last field: stops at the record's end
    EXPECT_EQ(record.field(9).size(), 40u);
}

TEST(ContactRecordLayout, KeepsBytesAbove127) {
    auto grid = gridWith({"1224", "\xC9lodie", "M\xFCller", "", "", "", "December,24", "Other",
                          "1 day before", "F\xEAte"});
    book::ContactRecord record = book::ContactRecord::fromRow(*grid, 1);
    platform::StringGrid back(nullptr, book::columnCount);
    record.toRow(back, 1);
    for (int col = 0; col < book::columnCount; ++col)
        EXPECT_EQ(back.cell(col, 1), grid->cell(col, 1));
}

}  // namespace

// Real exports that address books wrote, each dropped on an empty list: the
// box it gets, and the people it offers (key, first name, surname, e-mail,
// in the ANSI code page, Windows-1252 in the tests).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "address_book.h"
#include "app/system_converters.h"
#include "import_plan.h"
#include "offer.h"
#include "people_list.h"
#include "platform/atomic_file.h"

namespace address_book {
namespace {

struct Person {
    std::string key, firstName, surname, email;
    bool operator==(const Person&) const = default;
};

void PrintTo(const Person& person, std::ostream* out) {
    *out << "{" << person.key << " " << person.firstName << " | " << person.surname << " | "
         << person.email << "}";
}

struct Dropped {
    OfferKind offer;
    std::vector<Person> people;
};

Dropped dropped(const std::string& file) {
    std::string bytes;
    EXPECT_TRUE(
        platform::readWholeFile(FESTORIN_TEST_FILES + file, bytes, 64 * 1024 * 1024).outcome ==
        platform::FileReading::Outcome::Read)
        << file;
    const AddressBook book = readAddressBook(bytes, DateOrder::MonthDayYear, systemConverters());
    platform::StringGrid list(nullptr, book::columnCount);
    const ImportPlan plan = planImport(book, list, roomLeft(list), systemConverters());
    Dropped seen{offerOf(book, plan, file).kind, {}};
    for (const Cells& cells : plan.people)
        seen.people.push_back({cells[book::colKey], cells[book::colFirstName],
                               cells[book::colSurname], cells[book::colEmail]});
    return seen;
}

TEST(RealExports, EachOffersThePeopleItHolds) {
    const Person max{"0131", "Max", "Mustermann", "privat@folker-kinzel.de"};
    const std::pair<const char*, std::vector<Person>> withBirthdays[] = {
        {"localized/thunderbird-de-cp1252.csv", {max}},
        {"localized/thunderbird-de-utf8.csv", {max}},
        {"localized/gmail-outlookcsv-de-2020.csv", {max}},
        {"localized/gmail-googlecsv-de-2020.csv", {max}},
        {"localized/outlookweb-de-account.csv", {max}},
        {"localized/outlook-ja-headers-shiftjis.csv",
         {{"0101", "Max", "Mustermann", "max.mustermann@invalid.domain.ox"}}},
        {"realcsv/gmail-googlecsv-2014-utf16.csv",
         {{"1212", "Firstname", "Lastname", "home@aaa.pl"}}},
        {"realcsv/thunderbird-2012.csv", {{"1115", "Firstname", "Lastname", "test@domain.tld"}}},
        {"realcsv/emclient-5.vcf", {{"0126", "Vor", "Nach", "business@email.de"}}},
        {"realcsv/sogo-connector-1.vcf", {{"0116", "Lars", "Kneschke", "l.kneschke@metaways.de"}}},
        {"realcsv/outlook-webdav-collaborator.vcf",
         {{"0809", "Vorname", "Nachname", "mail@example.com"}}},
        {"realcsv/kaddressbook-2003.vcf",
         {{"0719", "Heiko", "Mustermann", "heiko.mustermann@freenet.org"}}},
        {"realcsv/evolution-2003.vcf", {{"0806", "Nat", "Friedman", "nat@nat.org"}}},
        {"realcsv/phone-21-qp.vcf",
         {{"1229", "Michael", "Br\xfcning", "ext-Michael.Bruning@nokia.com"}}},
    };
    for (const auto& [file, people] : withBirthdays) {
        const Dropped seen = dropped(file);
        EXPECT_EQ(seen.offer, OfferKind::Question) << file;
        EXPECT_EQ(seen.people, people) << file;
    }
    // Address books whose people have no birthday.
    for (const char* file :
         {"localized/outlook-de-2013.csv", "localized/windowslivemail-de-semicolon.csv",
          "realcsv/gmail-googlecsv-2011.csv", "realcsv/gmail-outlookcsv-de-2011.csv",
          "realcsv/outlook-en-horde6370.csv"})
        EXPECT_EQ(dropped(file).offer, OfferKind::NothingNew) << file;
}

// The vCards of eleven programs and the standards' examples; those without
// a birthday are address books all the same.
TEST(RealExports, VCardsOfManyPrograms) {
    const Person johnDoe{"0322", "John", "Doe", "john.doe@ibm.com"};
    const std::pair<const char*, std::vector<Person>> withBirthdays[] = {
        {"John_Doe_EVOLUTION.vcf", {johnDoe}},
        {"John_Doe_GMAIL.vcf", {johnDoe}},
        {"John_Doe_IPHONE.vcf", {{"0606", "John", "Doe", "john.doe@ibm.com"}}},
        {"John_Doe_LOTUS_NOTES.vcf", {{"0521", "John", "Doe", "john.doe@ibm.com"}}},
        {"John_Doe_MAC_ADDRESS_BOOK.vcf", {{"0606", "John", "Doe", "john.doe@ibm.com"}}},
        {"John_Doe_MS_OUTLOOK.vcf", {{"0322", "John", "Doe", "john.doe@ibm.cm"}}},
        {"fullcontact.vcf", {{"0801", "FirstName", "LastName", "home@example.com"}}},
        {"gmail-single.vcf", {{"0910", "Greg", "Dartmouth", "gdartmouth@hotmail.com"}}},
        {"gmail-single2.vcf", {{"0623", "VCard", "Test", "email@example.com"}}},
        {"outlook-2003.vcf", {{"0321", "John", "Doe", "jdoe@hotmail.com"}}},
        {"outlook-2007.vcf", {{"0310", "Michael", "Angstadt", "mike.angstadt@gmail.com"}}},
        {"rfc6350-example.vcf", {{"0203", "Simon", "Perreault", "simon.perreault@viagenie.ca"}}},
        {"thunderbird-MoreFunctionsForAddressBook-extension.vcf",
         {{"0921", "John", "Doe", "doe.john@hotmail.com"}}},
    };
    for (const auto& [file, people] : withBirthdays) {
        const Dropped seen = dropped(std::string("ezvcard/") + file);
        EXPECT_EQ(seen.offer, OfferKind::Question) << file;
        EXPECT_EQ(seen.people, people) << file;
    }
    for (const char* file : {"John_Doe_ANDROID.vcf", "John_Doe_BLACK_BERRY.vcf", "gmail-list.vcf",
                             "rfc2426-example.vcf"})
        EXPECT_EQ(dropped(std::string("ezvcard/") + file).offer, OfferKind::NothingNew) << file;
}

}  // namespace
}  // namespace address_book

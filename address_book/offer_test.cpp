#include "offer.h"

#include <gtest/gtest.h>

namespace address_book {
namespace {

const AddressBook vcard{FileFormat::VCard, TextEncoding::Utf8, {}};

ImportPlan planOf(int fit, int newPeople, int withoutBirthday = 0, int alreadyInList = 0,
                  int withoutName = 0, int unread = 0) {
    ImportPlan plan;
    plan.unreadBirthday = unread;
    plan.firstUnreadBirthday = "around Easter";
    plan.people.resize(static_cast<std::size_t>(fit));
    plan.newPeople = newPeople;
    plan.withoutBirthday = withoutBirthday;
    plan.alreadyInList = alreadyInList;
    plan.withoutName = withoutName;
    return plan;
}

void expectOffer(const ImportPlan& plan, OfferKind kind, const std::string& text,
                 const AddressBook& book = vcard) {
    const Offer offer = offerOf(book, plan, "C:\\Users\\Ann\\Downloads/contacts.vcf");
    EXPECT_EQ(offer.kind, kind) << text;
    EXPECT_EQ(offer.text, text);
}

TEST(Offer, QuestionWithWhatIsLeftOutAndWhatFits) {
    expectOffer(planOf(12, 12), OfferKind::Question, "Add 12 people from contacts.vcf?");
    expectOffer(planOf(1, 1), OfferKind::Question, "Add 1 person from contacts.vcf?");
    expectOffer(planOf(3, 3, 2, 0), OfferKind::Question,
                "Add 3 people from contacts.vcf?\r\n"
                "Left out: 2 without a birthday, 0 already in the list.");
    expectOffer(planOf(3, 3, 0, 0, 2), OfferKind::Question,
                "Add 3 people from contacts.vcf?\r\n"
                "Left out: 0 without a birthday, 0 already in the list, 2 without a name.");
    expectOffer(planOf(3, 3, 0, 1, 4), OfferKind::Question,
                "Add 3 people from contacts.vcf?\r\n"
                "Left out: 0 without a birthday, 1 already in the list, 4 without a name.");
    expectOffer(planOf(5, 9, 1, 2), OfferKind::Question,
                "Add 5 people from contacts.vcf?\r\n"
                "Left out: 1 without a birthday, 2 already in the list.\r\n"
                "Only 5 fit: the list holds 32767 people at most.");
    expectOffer(planOf(1, 2), OfferKind::Question,
                "Add 1 person from contacts.vcf?\r\n"
                "Only 1 fit: the list holds 32767 people at most.");
    expectOffer(planOf(2, 2, 1, 0, 0, 3), OfferKind::Question,
                "Add 2 people from contacts.vcf?\r\n"
                "Left out: 1 without a birthday, 0 already in the list.\r\n"
                "Left out: 3 whose birthday Festorin could not read (first: \"around Easter\")");
}

TEST(Offer, NothingToAdd) {
    expectOffer(planOf(0, 0, 3, 4), OfferKind::NothingNew, "No new birthday in contacts.vcf.");
    expectOffer(planOf(0, 0), OfferKind::NothingNew, "No new birthday in contacts.vcf.");
    expectOffer(planOf(0, 0, 0, 0, 0, 3), OfferKind::BirthdaysUnread,
                "No new birthday that Festorin could read in contacts.vcf.\r\n"
                "Left out: 3 whose birthday Festorin could not read (first: \"around Easter\")");
    expectOffer(planOf(0, 1), OfferKind::ListFull,
                "No room for 1 person from contacts.vcf: the list holds 32767 people at most.");
    expectOffer(planOf(0, 2, 1), OfferKind::ListFull,
                "No room for 2 people from contacts.vcf: the list holds 32767 people at most.");
    expectOffer(planOf(0, 0), OfferKind::Unreadable,
                "contacts.vcf holds no contacts that Festorin can read.", AddressBook{});
    EXPECT_EQ(offerOf(AddressBook{}, planOf(0, 0), "plain.csv").text,
              "plain.csv holds no contacts that Festorin can read.");
}

}  // namespace
}  // namespace address_book

#include "contact_list.h"

#include <algorithm>
#include <array>

#include "contact.h"

namespace address_book {

namespace {

// Contacts are added to the last block while it has room. Blocks grow from
// the first to the largest, and a contact larger than that has one of its own.
constexpr std::size_t firstBlock = 256;
constexpr std::size_t largestBlock = 1024 * 1024;

// A contact's bytes: a byte of flags (which texts are there, whether the
// birthday is, whether Festorin's own columns are), then each text there
// behind its length, then the birthday's month and day, then the own
// columns: a number of flags (which are there) and each behind its length.
// Numbers are in 7-bit groups, the lowest first, each but the last with its
// high bit set.
constexpr unsigned char hasBirthday = 1 << 5;
constexpr unsigned char hasOwnColumns = 1 << 6;
constexpr std::array<unsigned char, 6> hasText{1 << 0, 1 << 1, 1 << 2, 1 << 3, 1 << 4, 1 << 7};

void appendNumber(std::string& bytes, unsigned number) {
    while (number >= 0x80) {
        bytes += static_cast<char>(0x80 | (number & 0x7F));
        number >>= 7;
    }
    bytes += static_cast<char>(number);
}

unsigned numberAt(const std::string& bytes, std::size_t& pos) {
    unsigned number = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[pos++]);
        number |= static_cast<unsigned>(byte & 0x7F) << shift;
        if (byte < 0x80) return number;
    }
}

// Every field of a contact, in order; a field added to Contact stops the
// build here until it is kept too.
std::array<std::string*, 6> textsOf(Contact& contact) {
    auto& [firstName, surname, email, phone1, phone2, birthday, own, unreadBirthday] = contact;
    return {&firstName, &surname, &email, &phone1, &phone2, &unreadBirthday};
}

std::array<const std::string*, 6> textsOf(const Contact& contact) {
    const auto& [firstName, surname, email, phone1, phone2, birthday, own, unreadBirthday] =
        contact;
    return {&firstName, &surname, &email, &phone1, &phone2, &unreadBirthday};
}

// The own columns that may be there, even empty, and the one kept only when
// it is not empty.
std::array<std::optional<std::string>*, 10> ownColumnsOf(OwnColumns& own) {
    auto& [dayOfBirth, action, lead, reason, phone2, key, firstName, surname, email, phone1,
           secondPhone] = own;
    return {&dayOfBirth, &action,  &lead,  &reason, &key,
            &firstName,  &surname, &email, &phone1, &secondPhone};
}

std::array<const std::optional<std::string>*, 10> ownColumnsOf(const OwnColumns& own) {
    const auto& [dayOfBirth, action, lead, reason, phone2, key, firstName, surname, email, phone1,
                 secondPhone] = own;
    return {&dayOfBirth, &action,  &lead,  &reason, &key,
            &firstName,  &surname, &email, &phone1, &secondPhone};
}

constexpr unsigned hasOwnPhone2 = 1 << 10;

bool holdsOwnColumns(const OwnColumns& own) { return own != OwnColumns{}; }

std::size_t numberSize(unsigned number) {
    std::size_t size = 1;
    for (; number >= 0x80; number >>= 7) ++size;
    return size;
}

std::size_t sizeOf(const std::string& text) {
    return numberSize(static_cast<unsigned>(text.size())) + text.size();
}

unsigned ownFlagsOf(const OwnColumns& own) {
    const std::array<const std::optional<std::string>*, 10> columns = ownColumnsOf(own);
    unsigned flags = own.phone2.empty() ? 0 : hasOwnPhone2;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (*columns[i]) flags |= 1u << i;
    return flags;
}

std::size_t sizeOf(const OwnColumns& own) {
    std::size_t size = numberSize(ownFlagsOf(own));
    for (const std::optional<std::string>* column : ownColumnsOf(own))
        if (*column) size += sizeOf(**column);
    if (!own.phone2.empty()) size += sizeOf(own.phone2);
    return size;
}

std::size_t sizeOf(const Contact& contact) {
    std::size_t size = 1;
    for (const std::string* text : textsOf(contact))
        if (!text->empty()) size += sizeOf(*text);
    if (contact.birthday)
        size += numberSize(static_cast<unsigned>(contact.birthday->month)) +
                numberSize(static_cast<unsigned>(contact.birthday->day));
    if (holdsOwnColumns(contact.own)) size += sizeOf(contact.own);
    return size;
}

void appendText(std::string& bytes, const std::string& text) {
    appendNumber(bytes, static_cast<unsigned>(text.size()));
    bytes += text;
}

void appendOwnColumns(std::string& bytes, const OwnColumns& own) {
    appendNumber(bytes, ownFlagsOf(own));
    for (const std::optional<std::string>* column : ownColumnsOf(own))
        if (*column) appendText(bytes, **column);
    if (!own.phone2.empty()) appendText(bytes, own.phone2);
}

void appendContact(std::string& bytes, const Contact& contact) {
    const std::array<const std::string*, 6> texts = textsOf(contact);
    unsigned char flags = contact.birthday ? hasBirthday : 0;
    if (holdsOwnColumns(contact.own)) flags |= hasOwnColumns;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!texts[i]->empty()) flags |= hasText[i];
    bytes += static_cast<char>(flags);
    for (const std::string* text : texts)
        if (!text->empty()) appendText(bytes, *text);
    if (contact.birthday) {
        appendNumber(bytes, static_cast<unsigned>(contact.birthday->month));
        appendNumber(bytes, static_cast<unsigned>(contact.birthday->day));
    }
    if (holdsOwnColumns(contact.own)) appendOwnColumns(bytes, contact.own);
}

// Reads a text at pos into `text`, or only passes over it when it is null.
void readText(const std::string& bytes, std::size_t& pos, std::string* text) {
    const std::size_t size = numberAt(bytes, pos);
    if (text) text->assign(bytes, pos, size);
    pos += size;
}

void readOwnColumns(const std::string& bytes, std::size_t& pos, OwnColumns* own) {
    const unsigned flags = numberAt(bytes, pos);
    OwnColumns passedOver;
    const std::array<std::optional<std::string>*, 10> columns =
        ownColumnsOf(own ? *own : passedOver);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if ((flags & (1u << i)) == 0) continue;
        readText(bytes, pos, own ? &columns[i]->emplace() : nullptr);
    }
    if (flags & hasOwnPhone2) readText(bytes, pos, own ? &own->phone2 : nullptr);
}

// Reads the contact at pos, or only passes over it when `contact` is null.
void readContact(const std::string& bytes, std::size_t& pos, Contact* contact) {
    const auto flags = static_cast<unsigned char>(bytes[pos++]);
    Contact passedOver;
    const std::array<std::string*, 6> texts = textsOf(contact ? *contact : passedOver);
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (flags & hasText[i]) readText(bytes, pos, contact ? texts[i] : nullptr);
    if (flags & hasBirthday) {
        const int month = static_cast<int>(numberAt(bytes, pos));
        const int day = static_cast<int>(numberAt(bytes, pos));
        if (contact) contact->birthday = MonthDay{month, day};
    }
    if (flags & hasOwnColumns) readOwnColumns(bytes, pos, contact ? &contact->own : nullptr);
}

}  // namespace

Contact ContactList::const_iterator::operator*() const {
    Contact contact;
    std::size_t pos = pos_;
    readContact((*blocks_)[block_], pos, &contact);
    return contact;
}

ContactList::const_iterator& ContactList::const_iterator::operator++() {
    const std::string& block = (*blocks_)[block_];
    readContact(block, pos_, nullptr);
    if (pos_ == block.size()) {
        ++block_;
        pos_ = 0;
    }
    return *this;
}

ContactList::const_iterator ContactList::const_iterator::operator++(int) {
    const_iterator before = *this;
    ++*this;
    return before;
}

ContactList::ContactList(std::initializer_list<Contact> contacts) {
    for (const Contact& contact : contacts) push_back(contact);
}

void ContactList::push_back(const Contact& contact) {
    const std::size_t size = sizeOf(contact);
    if (blocks_.empty() || blocks_.back().size() + size > blocks_.back().capacity()) {
        const std::size_t next =
            blocks_.empty() ? firstBlock : std::min(2 * blocks_.back().capacity(), largestBlock);
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(next, size));
    }
    lastBlock_ = blocks_.size() - 1;
    lastPos_ = blocks_.back().size();
    appendContact(blocks_.back(), contact);
    ++count_;
    anyWithOwnColumns_ = anyWithOwnColumns_ || (blocks_.back()[lastPos_] & hasOwnColumns) != 0;
}

Contact ContactList::front() const { return *begin(); }

Contact ContactList::back() const { return *const_iterator(&blocks_, lastBlock_, lastPos_); }

}  // namespace address_book

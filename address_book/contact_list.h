#pragma once
// The contacts a reader found, in file order, kept as compactly as their
// texts allow: a file of millions of tiny contacts costs a few bytes each,
// not five strings each, and grows in blocks rather than by copies of itself.
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace address_book {

struct Contact;

class ContactList {
public:
    // Gives each contact as a value, made anew from its bytes.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Contact;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Contact;

        const_iterator() = default;
        Contact operator*() const;
        const_iterator& operator++();
        const_iterator operator++(int);
        bool operator==(const const_iterator&) const = default;

    private:
        friend class ContactList;
        const_iterator(const std::vector<std::string>* blocks, std::size_t block, std::size_t pos)
            : blocks_(blocks), block_(block), pos_(pos) {}

        const std::vector<std::string>* blocks_ = nullptr;
        std::size_t block_ = 0;
        std::size_t pos_ = 0;
    };
    using iterator = const_iterator;
    using value_type = Contact;

    ContactList() = default;
    ContactList(std::initializer_list<Contact> contacts);

    void push_back(const Contact& contact);
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Whether any contact holds Festorin's own columns.
    bool anyWithOwnColumns() const { return anyWithOwnColumns_; }
    const_iterator begin() const { return {&blocks_, 0, 0}; }
    const_iterator end() const { return {&blocks_, blocks_.size(), 0}; }
    Contact front() const;
    Contact back() const;

    bool operator==(const ContactList& other) const { return blocks_ == other.blocks_; }

private:
    std::vector<std::string> blocks_;
    std::size_t count_ = 0;
    bool anyWithOwnColumns_ = false;
    std::size_t lastBlock_ = 0, lastPos_ = 0;  // where the last contact starts
};

}  // namespace address_book

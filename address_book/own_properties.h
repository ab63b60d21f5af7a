#pragma once
// The vCard properties in which Festorin's export keeps the columns of its
// own, so that its import brings them back; other programs ignore them.
#include <string>
#include <string_view>

namespace address_book {

inline constexpr const char* keyProperty = "X-FESTORIN-KEY";
inline constexpr const char* dayOfBirthProperty = "X-FESTORIN-DAY-OF-BIRTH";
inline constexpr const char* actionProperty = "X-FESTORIN-ACTION";
inline constexpr const char* leadProperty = "X-FESTORIN-LEAD";
inline constexpr const char* reasonProperty = "X-FESTORIN-REASON";
// The texts of the list that the standard properties do not give back as
// they are (blanks at their ends, a carriage return, which the format writes
// as a line break), exact, on the cards that need them.
inline constexpr const char* exactFirstNameProperty = "X-FESTORIN-FIRST-NAME";
inline constexpr const char* exactSurnameProperty = "X-FESTORIN-SURNAME";
inline constexpr const char* exactEmailProperty = "X-FESTORIN-EMAIL";
inline constexpr const char* exactPhone1Property = "X-FESTORIN-PHONE-1";
inline constexpr const char* exactPhone2Property = "X-FESTORIN-PHONE-2";
// The TEL parameter that marks the list's second phone when its first phone
// is empty, so that the number comes back as the second.
inline constexpr const char* phoneColumnParameter = "X-FESTORIN-PHONE";

// Whether a text holds a character that no text value may hold as it is:
// a control character other than a tab or a line feed. The standard
// properties leave those out; Festorin's own write such a text in base64.
bool holdsControlCharacter(std::string_view text);

// A text as a standard property gives it back through the export and the
// import: without control characters and blanks at its ends, each line break
// a line feed. The same in UTF-8 and in any ANSI code page, as it only looks
// at ASCII.
std::string asReadBack(std::string_view text);

// A phone number without the "tel:" before it of vCard 4.0's link.
std::string withoutTelLink(std::string_view number);

// A phone number as TEL gives it back.
std::string phoneAsReadBack(std::string_view number);

}  // namespace address_book

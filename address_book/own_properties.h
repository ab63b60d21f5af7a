#pragma once
// The vCard properties in which Festorin's export keeps the columns of its
// own, so that its import brings them back; other programs ignore them.

namespace address_book {

inline constexpr const char* dayOfBirthProperty = "X-FESTORIN-DAY-OF-BIRTH";
inline constexpr const char* actionProperty = "X-FESTORIN-ACTION";
inline constexpr const char* leadProperty = "X-FESTORIN-LEAD";
inline constexpr const char* reasonProperty = "X-FESTORIN-REASON";
// The texts of the list that the standard properties cannot keep as they are
// (a carriage return, which the format writes as a line break), exact, on the
// cards that need them.
inline constexpr const char* exactFirstNameProperty = "X-FESTORIN-FIRST-NAME";
inline constexpr const char* exactSurnameProperty = "X-FESTORIN-SURNAME";
inline constexpr const char* exactEmailProperty = "X-FESTORIN-EMAIL";
inline constexpr const char* exactPhone1Property = "X-FESTORIN-PHONE-1";
inline constexpr const char* exactPhone2Property = "X-FESTORIN-PHONE-2";
// The TEL parameter that marks the list's second phone when its first phone
// is empty, so that the number comes back as the second.
inline constexpr const char* phoneColumnParameter = "X-FESTORIN-PHONE";

}  // namespace address_book

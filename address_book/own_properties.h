#pragma once
// The vCard properties in which Festorin's export keeps the columns of its
// own, so that its import brings them back; other programs ignore them.

namespace address_book {

inline constexpr const char* dayOfBirthProperty = "X-FESTORIN-DAY-OF-BIRTH";
inline constexpr const char* actionProperty = "X-FESTORIN-ACTION";
inline constexpr const char* leadProperty = "X-FESTORIN-LEAD";
inline constexpr const char* reasonProperty = "X-FESTORIN-REASON";
// The TEL parameter that marks the list's second phone when its first phone
// is empty, so that the number comes back as the second.
inline constexpr const char* phoneColumnParameter = "X-FESTORIN-PHONE";

}  // namespace address_book

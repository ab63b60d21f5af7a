#pragma once
// The editor's choice lists, in their order. The grid and the contact file
// keep the chosen texts, and the daily check reads a choice back by its
// place in its list, so both the texts and their order are stored data.
#include <array>

namespace book {

inline constexpr std::array<const char*, 12> monthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr std::array<const char*, 4> actionChoices{"Send an E-mail", "Call phone 1",
                                                          "Call phone 2", "Other"};
enum ActionChoice { sendAnEmail = 0, callPhone1, callPhone2, otherAction };

inline constexpr std::array<const char*, 5> leadTimeChoices{
    "The exact day", "1 day before", "2 days before", "3 days before", "4 days before"};
enum LeadTimeChoice { theExactDay = 0 };

inline constexpr std::array<const char*, 2> reasonChoices{"Birtday", "Other"};
enum ReasonChoice { birthdayReason = 0, otherReason };

}  // namespace book

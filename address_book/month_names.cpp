#include "month_names.h"

#include <array>
#include <string>

#include "address_book/text_encoding.h"

namespace address_book {

namespace {

// Each month's names in one language, lower case, apart by "|".
struct MonthNames {
    std::array<std::string_view, 12> months;
};

constexpr std::array<MonthNames, 14> languages{{
    // en
    {{"january", "february", "march", "april", "may", "june", "july", "august", "september|sept",
      "october", "november", "december"}},
    // de
    {{"januar|j\u00e4nner", "februar", "m\u00e4rz", "april", "mai", "juni", "juli", "august",
      "september", "oktober", "november", "dezember"}},
    // fr
    {{"janvier", "f\u00e9vrier", "mars", "avril", "mai", "juin", "juillet", "ao\u00fbt",
      "septembre", "octobre", "novembre", "d\u00e9cembre"}},
    // es
    {{"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto",
      "septiembre|setiembre", "octubre", "noviembre", "diciembre"}},
    // it
    {{"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto", "settembre",
      "ottobre", "novembre", "dicembre"}},
    // nl
    {{"januari", "februari", "maart|mrt", "april", "mei", "juni", "juli", "augustus", "september",
      "oktober", "november", "december"}},
    // pt
    {{"janeiro", "fevereiro", "mar\u00e7o", "abril", "maio", "junho", "julho", "agosto", "setembro",
      "outubro", "novembro", "dezembro"}},
    // pl
    {{"stycze\u0144|stycznia", "luty|lutego", "marzec|marca", "kwiecie\u0144|kwietnia", "maj|maja",
      "czerwiec|czerwca", "lipiec|lipca", "sierpie\u0144|sierpnia", "wrzesie\u0144|wrze\u015bnia",
      "pa\u017adziernik|pa\u017adziernika", "listopad|listopada", "grudzie\u0144|grudnia"}},
    // sv
    {{"januari", "februari", "mars", "april", "maj", "juni", "juli", "augusti", "september",
      "oktober", "november", "december"}},
    // da
    {{"januar", "februar", "marts", "april", "maj", "juni", "juli", "august", "september",
      "oktober", "november", "december"}},
    // nb
    {{"januar", "februar", "mars", "april", "mai", "juni", "juli", "august", "september", "oktober",
      "november", "desember"}},
    // fi
    {{"tammikuu|tammikuuta", "helmikuu|helmikuuta", "maaliskuu|maaliskuuta", "huhtikuu|huhtikuuta",
      "toukokuu|toukokuuta", "kes\u00e4kuu|kes\u00e4kuuta", "hein\u00e4kuu|hein\u00e4kuuta",
      "elokuu|elokuuta", "syyskuu|syyskuuta", "lokakuu|lokakuuta", "marraskuu|marraskuuta",
      "joulukuu|joulukuuta"}},
    // cs
    {{"leden|ledna", "\u00fanor|\u00fanora", "b\u0159ezen|b\u0159ezna", "duben|dubna",
      "kv\u011bten|kv\u011btna", "\u010derven|\u010dervna", "\u010dervenec|\u010dervence",
      "srpen|srpna", "z\u00e1\u0159\u00ed", "\u0159\u00edjen|\u0159\u00edjna", "listopad|listopadu",
      "prosinec|prosince"}},
    // ru
    {{"\u044f\u043d\u0432\u0430\u0440\u044c|\u044f\u043d\u0432\u0430\u0440\u044f",
      "\u0444\u0435\u0432\u0440\u0430\u043b\u044c|\u0444\u0435\u0432\u0440\u0430\u043b\u044f",
      "\u043c\u0430\u0440\u0442|\u043c\u0430\u0440\u0442\u0430",
      "\u0430\u043f\u0440\u0435\u043b\u044c|\u0430\u043f\u0440\u0435\u043b\u044f",
      "\u043c\u0430\u0439|\u043c\u0430\u044f", "\u0438\u044e\u043d\u044c|\u0438\u044e\u043d\u044f",
      "\u0438\u044e\u043b\u044c|\u0438\u044e\u043b\u044f",
      "\u0430\u0432\u0433\u0443\u0441\u0442|\u0430\u0432\u0433\u0443\u0441\u0442\u0430",
      "\u0441\u0435\u043d\u0442\u044f\u0431\u0440\u044c|\u0441\u0435\u043d\u0442\u044f\u0431\u0440"
      "\u044f",
      "\u043e\u043a\u0442\u044f\u0431\u0440\u044c|\u043e\u043a\u0442\u044f\u0431\u0440\u044f",
      "\u043d\u043e\u044f\u0431\u0440\u044c|\u043d\u043e\u044f\u0431\u0440\u044f",
      "\u0434\u0435\u043a\u0430\u0431\u0440\u044c|\u0434\u0435\u043a\u0430\u0431\u0440\u044f"}},
}};

// The lower case of the capitals the month names use: Latin, Latin-1,
// Latin Extended-A and Cyrillic.
char32_t lowerCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x100 && c <= 0x17F && c % 2 == 0 && c != 0x138) return c + 1;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

// The word in lower case and the count of its characters; nothing for bytes
// that are no UTF-8 of two bytes at most a character, which no month's name
// needs.
std::optional<std::string> lowered(std::string_view word, std::size_t& characters) {
    std::string out;
    characters = 0;
    for (std::size_t pos = 0; pos < word.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(word[pos]);
        char32_t c = lead;
        if (lead >= 0x80) {
            const auto next = pos + 1 < word.size() ? static_cast<unsigned char>(word[pos + 1]) : 0;
            if ((lead & 0xE0) != 0xC0 || (next & 0xC0) != 0x80) return std::nullopt;
            c = (lead & 0x1F) << 6 | (next & 0x3F);
            ++pos;
        }
        ++pos;
        appendUtf8(out, lowerCase(c));
    }
    return out;
}

// The month whose names, in one language, the word is or begins; nothing
// when none, or two, do.
std::optional<int> monthIn(const MonthNames& language, std::string_view word, bool whole) {
    std::optional<int> found;
    for (std::size_t month = 0; month < language.months.size(); ++month) {
        std::string_view names = language.months[month];
        while (!names.empty()) {
            const std::size_t bar = names.find('|');
            const std::string_view name = names.substr(0, bar);
            names.remove_prefix(bar == std::string_view::npos ? names.size() : bar + 1);
            if (whole ? name != word : !name.starts_with(word)) continue;
            if (found && *found != static_cast<int>(month) + 1) return std::nullopt;
            found = static_cast<int>(month) + 1;
        }
    }
    return found;
}

constexpr std::size_t shortestAbbreviation = 3;

}  // namespace

std::optional<int> monthNamed(std::string_view word) {
    std::size_t characters = 0;
    const auto lower = lowered(word, characters);
    if (!lower || characters < shortestAbbreviation) return std::nullopt;
    for (const MonthNames& language : languages)
        if (auto month = monthIn(language, *lower, true)) return month;
    for (const MonthNames& language : languages)
        if (auto month = monthIn(language, *lower, false)) return month;
    return std::nullopt;
}

}  // namespace address_book

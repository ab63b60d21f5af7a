#include "csv_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/system_converters.h"
#include "contact_printer_test.h"
#include "text_encoding.h"

namespace address_book {
namespace {

using Contacts = ContactList;

// Through the door that every file takes.
std::optional<CsvContacts> read(const std::string& bytes,
                                DateOrder order = DateOrder::MonthDayYear) {
    std::string converted;
    return readCsv(inReadersForm(bytes, converted), order, systemConverters());
}

// Google Contacts: several values of a kind in one field, a quoted note with
// commas, quotes and line ends, a birthday without a year, a row with no text,
// a fax passed over for a number that takes calls. Of two names of a column,
// "First Name" is read before "Given Name" wherever each stands.
TEST(CsvReader, GoogleContacts) {
    const std::string file =
        "\xEF\xBB\xBF"
        "First Name,Middle Name,Last Name,Birthday,Notes,E-mail 1 - Label,E-mail 1 - Value,"
        "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\r\n"
        "Ren\xc3\xa9"
        "e,,Fran\xc3\xa7ois,1990-03-05,\"Met in \"\"Lyon\"\",\r\nsee, notes\","
        "* Home ::: Work,home@example.org ::: work@example.org,Mobile,06 12 ::: 01 23,Home,09 "
        "87\r\n"
        ",,,,\r\n"
        "Ann,,,--12-24,,,,Work Fax,01 01,Home,09 99\r\n"
        "Bob,,Dee,,,,,,,,";
    const auto csv = read(file);
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->encoding, TextEncoding::Utf8);
    EXPECT_EQ(csv->contacts, (Contacts{{"Ren\u00e9e", "Fran\u00e7ois", "home@example.org", "06 12",
                                        "01 23", MonthDay{3, 5}},
                                       {"Ann", "", "", "09 99", "", MonthDay{12, 24}},
                                       {"Bob", "Dee"}}));
    const auto older = read("Name,Given Name,Family Name,Birthday\nAnn Lee,Ann,Lee,1980-01-02\n");
    ASSERT_TRUE(older);
    EXPECT_EQ(older->contacts, (Contacts{{"Ann", "Lee", "", "", "", MonthDay{1, 2}}}));
    const auto both = read("Given Name,First Name,Birthday\nNot Taken,Ann,1980-01-02\n");
    ASSERT_TRUE(both);
    EXPECT_EQ(both->contacts.front().firstName, "Ann");
}

// Outlook: quoted header, "0/0/00" for no birthday, and the phones taken
// from the first two of mobile, home and business that hold a number.
TEST(CsvReader, Outlook) {
    const std::string file =
        "\"First Name\",\"Middle Name\",\"Last Name\",\"E-mail Address\",\"Home Phone\","
        "\"Business Phone\",\"Mobile Phone\",\"Birthday\",\"Notes\"\r\n"
        "\"Dara\",\"\",\"Ruze\",\"dara@example.org\",\"01 23\",\"04 56\",\"\",\"3/5/1990\",\"\"\r\n"
        "\"Eve\",\"\",\"Ng\",\"\",\"01 11\",\"04 44\",\"06 66\",\"0/0/00\",\"\"\r\n";
    const auto csv = read(file);
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->contacts,
              (Contacts{{"Dara", "Ruze", "dara@example.org", "01 23", "04 56", MonthDay{3, 5}},
                        {"Eve", "Ng", "", "06 66", "01 11", MonthDay{0, 0}}}));
}

// A European Outlook writes semicolons and the day first; dotted dates are
// day first whatever the regional order, and a date that begins with a year
// is year, month, day.
TEST(CsvReader, SemicolonsAndTheRegionalOrder) {
    const std::string file =
        "Vorname;Nachname;First Name;Last Name;Birthday\n;;Jan;de Wit;05.03.1970\n;;Piet;;5.3.70\n";
    const Contacts dayFirst{{"Jan", "de Wit", "", "", "", MonthDay{3, 5}},
                            {"Piet", "", "", "", "", MonthDay{3, 5}}};
    EXPECT_EQ(read(file, DateOrder::DayMonthYear)->contacts, dayFirst);
    EXPECT_EQ(read(file, DateOrder::MonthDayYear)->contacts, dayFirst);
    const std::pair<const char*, std::optional<MonthDay>> forms[] = {
        {"24.12.1980", MonthDay{12, 24}}, {"5.3.1970", MonthDay{3, 5}},
        {"05.03.70", MonthDay{3, 5}},     {"1980/12/24", MonthDay{12, 24}},
        {"1980/3/5", MonthDay{3, 5}},     {"1980-03-05", MonthDay{3, 5}},
        {"0.0.00", MonthDay{0, 0}},       {"0/0/00", MonthDay{0, 0}},
        {"00.00.0000", MonthDay{0, 0}},   {"1/1/4501", std::nullopt},
        {"31.04.1980", MonthDay{4, 31}}};
    for (const auto& [date, birthday] : forms)
        for (DateOrder regional : {DateOrder::MonthDayYear, DateOrder::DayMonthYear})
            EXPECT_EQ(read(std::string("First Name,Birthday\nA,") + date + "\n", regional)
                          ->contacts.front()
                          .birthday,
                      birthday)
                << date;
    EXPECT_EQ(read("First Name,Birthday\nA,1970/03/05\nB,2020. 3. 5.\nC,1970-03-05\n",
                   DateOrder::YearMonthDay)
                  ->contacts,
              (Contacts{{"A", "", "", "", "", MonthDay{3, 5}},
                        {"B", "", "", "", "", MonthDay{3, 5}},
                        {"C", "", "", "", "", MonthDay{3, 5}}}));
    for (const char* odd : {"3/5", "3/5/1990/1", "3x5x90", "03/005/1990", "1/2/19900", "//"})
        EXPECT_EQ(
            read(std::string("First Name,Birthday\nA,") + odd + "\n")->contacts.front().birthday,
            std::nullopt)
            << odd;
}

// Each date on a day-first, a month-first and a year-first PC: dots put the
// day first unless a year begins them; year 4501 is no birthday in any form;
// times, months' names and Chinese, Japanese and Korean forms are read; a
// date that cannot be read is kept as written.
TEST(CsvReader, BirthdaysOnEveryPC) {
    constexpr MonthDay dec24{12, 24};
    const struct {
        const char* date;
        std::array<std::optional<MonthDay>, 3> onPC;  // day, month, year first
    } forms[] = {
        {"24.12.1980", {dec24, dec24, dec24}},
        {"05.03.1970", {MonthDay{3, 5}, MonthDay{3, 5}, MonthDay{3, 5}}},
        {"10.11.12", {MonthDay{11, 10}, MonthDay{11, 10}, MonthDay{11, 10}}},
        {"80.12.24", {dec24, dec24, dec24}},
        {"05/03/1970", {MonthDay{3, 5}, MonthDay{5, 3}, MonthDay{3, 5}}},
        {"4501-01-01", {}},
        {"45010101", {}},
        {"1.1.4501", {}},
        {"4501/01/01", {}},
        {"24/12/1980 00:00:00", {dec24, dec24, dec24}},
        {"12/24/1980 0:00", {dec24, dec24, dec24}},
        {"1980-12-24 00:00:00", {dec24, dec24, dec24}},
        {"1980-12-24+01:00", {dec24, dec24, dec24}},
        {"24-Dec-80", {dec24, dec24, dec24}},
        {"Dec 24, 1980", {dec24, dec24, dec24}},
        {"24 December 1980", {dec24, dec24, dec24}},
        {"24 d\u00e9cembre 1980", {dec24, dec24, dec24}},
        {"24. Dezember 1980", {dec24, dec24, dec24}},
        {"24 grudnia 1980", {dec24, dec24, dec24}},
        {"24. joulukuuta 1980", {dec24, dec24, dec24}},
        {"24 \u0434\u0435\u043a\u0430\u0431\u0440\u044f 1980", {dec24, dec24, dec24}},
        {"24 mrt 1980", {MonthDay{3, 24}, MonthDay{3, 24}, MonthDay{3, 24}}},
        {"1980\u5e7412\u670824\u65e5", {dec24, dec24, dec24}},
        {"1980\u5e7412\u670824", {dec24, dec24, dec24}},
        {"12\u670824\u65e5", {dec24, dec24, dec24}},
    };
    constexpr DateOrder orders[] = {DateOrder::DayMonthYear, DateOrder::MonthDayYear,
                                    DateOrder::YearMonthDay};
    for (const auto& [date, onPC] : forms)
        for (std::size_t pc = 0; pc < 3; ++pc) {
            const Contact read1 =
                read(std::string("First Name,Birthday\nA,") + date + "\n", orders[pc])
                    ->contacts.front();
            EXPECT_EQ(read1.birthday, onPC[pc]) << date << " on PC " << pc;
            EXPECT_EQ(read1.unreadBirthday, "") << date;
        }
    for (DateOrder order : orders) {
        EXPECT_EQ(
            read("Vorname,Nachname,Geburtstag\nAnna,Berg,24.12.1980\nBo,Li,05.03.1970\n"
                 "Cleo,Dahl,10.11.12\nDan,Eck,around Easter\n",
                 order)
                ->contacts,
            (Contacts{{"Anna", "Berg", "", "", "", dec24},
                      {"Bo", "Li", "", "", "", MonthDay{3, 5}},
                      {"Cleo", "Dahl", "", "", "", MonthDay{11, 10}},
                      {.firstName = "Dan", .surname = "Eck", .unreadBirthday = "around Easter"}}));
        EXPECT_EQ(read("First Name,Birthday\nA,80.12.24\nB,81.03.05\n", order)->contacts.back(),
                  (Contact{"B", "", "", "", "", MonthDay{3, 5}}));
    }
}

// The whole column shows its order when a first number is over 12 somewhere
// (the day comes first) or a second one is (the month does); only a column
// that shows neither, or both, is read in the regional order.
TEST(CsvReader, DateOrderOfTheColumn) {
    const auto birthdays = [](const std::string& dates, DateOrder regional) {
        const auto csv = readCsv("First Name,Birthday\n" + dates, regional, systemConverters());
        std::vector<std::optional<MonthDay>> read;
        for (const Contact& contact : csv->contacts) read.push_back(contact.birthday);
        return read;
    };
    using Dates = std::vector<std::optional<MonthDay>>;
    const std::string dayFirst = "A,25/03/1980\nB,05/03/1980\nC,1980-12-01\n";
    for (DateOrder regional :
         {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay})
        EXPECT_EQ(birthdays(dayFirst, regional),
                  (Dates{MonthDay{3, 25}, MonthDay{3, 5}, MonthDay{12, 1}}));
    const std::string monthFirst = "A,05/03/1980\nB,\nC,12/31/1980\n";
    EXPECT_EQ(birthdays(monthFirst, DateOrder::DayMonthYear),
              (Dates{MonthDay{5, 3}, std::nullopt, MonthDay{12, 31}}));
    const std::string both = "A,05/03/1980\nB,13/01/1980\nC,01/13/1980\n";
    EXPECT_EQ(birthdays(both, DateOrder::MonthDayYear),
              (Dates{MonthDay{5, 3}, MonthDay{13, 1}, MonthDay{1, 13}}));
    // Year first, two-digit years: the first number is a year, not a day.
    EXPECT_EQ(birthdays("A,80/03/05\nB,79/12/25\n", DateOrder::YearMonthDay),
              (Dates{MonthDay{3, 5}, MonthDay{12, 25}}));
}

// Thunderbird: names from First Name and Last Name, or from Display Name when
// both are empty; the e-mail from Primary Email; the first two of the mobile,
// home and work numbers, never the fax or the pager; the birthday from Birth
// Month and Birth Day, with or without Birth Year. It writes commas or tabs,
// in UTF-8 or in the system's code page.
TEST(CsvReader, Thunderbird) {
    const std::string header =
        "First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,"
        "Work Phone,Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home City,"
        "Job Title,Organization,Web Page 1,Birth Year,Birth Month,Birth Day,Custom 1,Notes\r\n";
    const std::string rows =
        "Ann,Lee,Ann Lee,,ann@example.org,old@example.org,,01 11,01 22,01 33,01 44,06 55,,,,,,"
        "1980,3,5,,\r\n"
        ",,Jos\xc3\xa9 de la Vega,,,,,01 11,,01 33,,,,,,,,,12,24,,\r\n"
        "Bob,,,,,,,,,01 33,01 44,,,,,,,1990,,,,\r\n";
    const Contacts expected{{"Ann", "Lee", "ann@example.org", "06 55", "01 22", MonthDay{3, 5}},
                            {"Jos\u00e9 de la", "Vega", "", "01 11", "", MonthDay{12, 24}},
                            {"Bob"}};
    const auto commas = read(header + rows);
    ASSERT_TRUE(commas);
    EXPECT_EQ(commas->encoding, TextEncoding::Utf8);
    EXPECT_EQ(commas->contacts, expected);

    std::string tabs = header + rows;
    std::replace(tabs.begin(), tabs.end(), ',', '\t');
    tabs.replace(tabs.find("\xc3\xa9"), 2, "\xe9");
    const auto ansi = read(tabs);
    ASSERT_TRUE(ansi);
    EXPECT_EQ(ansi->encoding, TextEncoding::Ansi);
    EXPECT_EQ(ansi->contacts.front(), expected.front());
    EXPECT_EQ((*std::next(ansi->contacts.begin())).firstName, "Jos\xe9 de la");
}

// Outlook's and Thunderbird's column names in every language they write,
// each header with one person: Outlook's whole birthday in the language's
// date, Thunderbird's in three columns, where a day column may bear
// Outlook's word for the whole birthday.
TEST(CsvReader, EveryLanguage) {
    struct Language {
        const char* name;
        const char* outlook;  // first, last, e-mail, mobile, home, birthday
        const char* date;
        const char* thunderbird;  // first, last, display, e-mail, home, work, mobile, year,
                                  // month, day
    };
    const Language languages[] = {
        {"en", "First Name,Last Name,E-mail Address,Mobile Phone,Home Phone,Birthday", "12/24/1980",
         "First Name,Last Name,Display Name,Primary Email,Home Phone,Work Phone,Mobile Number,"
         "Birth Year,Birth Month,Birth Day"},
        {"de", "Vorname,Nachname,E-Mail-Adresse,Mobiltelefon,Telefon (privat),Geburtstag",
         "24.12.1980",
         "Vorname,Nachname,Anzeigename,Primäre E-Mail-Adresse,Tel. privat,Tel. dienstlich,"
         "Mobil-Tel.-Nr.,Geburtsjahr,Geburtsmonat,Geburtstag"},
        {"fr", "Prénom,Nom,Adresse de messagerie,Tél. mobile,Téléphone (domicile),Anniversaire",
         "24/12/1980",
         "Prénom,Nom de famille,Nom à afficher,Adresse e-mail principale,Tél. personnel,"
         "Tél. professionnel ,Portable,Année de naissance,Mois,Jour"},
        {"es", "Nombre,Apellidos,E-mail Address,Mobile Phone,Particular,Birthday", "24/12/1980",
         "Nombre,Apellidos,Nombre mostrado,Dirección de correo electrónico principal,"
         "Teléfono particular,Teléfono (Trabajo),Teléfono móvil,Año de nacimiento,"
         "Mes de nacimiento,Día de nacimiento"},
        {"it", "Nome,Cognome,Indirizzo posta elettronica,Cellulare,Abitazione,Compleanno",
         "24/12/1980",
         "Nome,Cognome,Nome visualizzato,Email primaria,Telefono casa,Telefono lavoro,"
         "Numero cellulare,Anno di nascita,Mese di nascita,Giorno di nascita"},
        {"nl", "Voornaam,Achternaam,E-mailadres,Mobiele telefoon,Telefoon thuis,Verjaardag",
         "24-12-1980",
         "Voornaam,Achternaam,Weergavenaam,Primair e-mailadres,Telefoon thuis,Telefoon werk,"
         "Mobiel nummer,Geboortejaar,Geboortemaand,Geboortedag"},
        {"pt-BR",
         "Primeiro nome,Sobrenome,E-mail Address,Telefone celular,Telefone residencial,Birthday",
         "24/12/1980",
         "Primeiro nome,Sobrenome,Nome de exibição,Email principal,Telefone residencial,"
         "Telefone comercial,Número do celular,Ano de nascimento,Mês de nascimento,"
         "Data de nascimento"},
        {"pt-PT",
         "Primeiro nome,Apelido,Endereço de correio electrónico,Telemóvel,"
         "Telefone da residência,Data de nascimento",
         "24/12/1980",
         "Nome,Apelido,Nome exibido,Email primário,Telefone de casa,Telefone profissional,"
         "Número de telemóvel,Ano de nascimento,Mês de nascimento,Dia de nascimento"},
        {"pl", "Imię,Nazwisko,Adres e-mail,Telefon komórkowy,Telefon domowy,Urodziny", "1980-12-24",
         "Imię,Nazwisko,Wyświetlana nazwa,Podstawowy e-mail,Telefon domowy,Telefonu służbowy,"
         "Numer telefonu komórkowego,Urodziny – Rok,Urodziny – Miesiąc,Urodziny – Dzień"},
        {"sv", "Förnamn,Efternamn,E-postadress,Mobiltelefon,Hem,Födelsedag", "1980-12-24",
         "Förnamn,Efternamn,Visa,E-post,Telefon privat,Telefon arbete,Mobiltelefon,Född år,"
         "Född månad,Född dag"},
        {"da", "Fornavn,Efternavn,E-mail-adresse,Mobiltelefon,Telefon (privat),Fødselsdag",
         "24-12-1980",
         "Fornavn,Efternavn,Vis navn,Primær mail,Hjemmetelefon,Arbejdstelefon,Mobilnummer,"
         "Fødselsår,Fødselsmåned,Fødselsdag"},
        {"nb", "Fornavn,Etternavn,E-postadresse,Mobiltelefon,\"Telefon, priv.\",Fødselsdag",
         "24.12.1980",
         "Fornavn,Etternavn,Fullt navn,Primær e-post,Hjemmetelefon,Arbeidstelefon,Mobil,"
         "Fødselsår,Fødselsmåned,Fødselsdag"},
        {"fi", "Etunimi,Sukunimi,Sähköpostiosoite,Matkapuhelin,Kotipuhelin,Syntymäpäivä",
         "24.12.1980",
         "Etunimi,Sukunimi,Näyttönimi,Ensisijainen sähköposti,Kotipuhelin,Työpuhelin,"
         "Matkapuhelinnumero,Syntymävuosi,Syntymäkuukausi,Syntymäpäivä"},
        {"cs", "Jméno,Příjmení,E-mailová adresa,Mobilní telefon,Telefon domů,Narozeniny",
         "24.12.1980",
         "Křestní jméno,Příjmení,Zobrazované jméno,První e-mail,Telefon domů,"
         "Telefon do zaměstnání,Číslo na mobil,Rok narození,Měsíc narození,Den narození"},
        {"ru", "Имя,Фамилия,Адрес эл. почты,Телефон переносной,Домашний телефон,День рождения",
         "24.12.1980",
         "Имя,Фамилия,Отображаемое имя,Адрес электронной почты,Домашний телефон,"
         "Рабочий телефон,Номер мобильного телефона,Год рождения,Месяц рождения,День рождения"},
        {"ja", "名,姓,電子メール アドレス,携帯電話,自宅電話,誕生日", "1980/12/24",
         "名,姓,表示名,メールアドレス,自宅の電話番号,勤務先の電話番号,携帯電話番号,誕生年,"
         "誕生月,誕生日"},
        {"zh-CN", "名,姓,电子邮件地址,移动电话,住宅电话,生日", "1980/12/24",
         "名字,姓氏,显示名称,主要电子邮件,家庭电话,工作电话,移动电话号码,出生年份,出生月份,"
         "出生日"},
        {"zh-TW", "名字,姓氏,電子郵件地址,行動電話,住家電話,生日", "1980/12/24",
         "名,姓,顯示名稱,主要 Email,住家電話,商務電話,手機號碼,出生年,出生月,出生日"},
    };
    const Contacts ann{{"Ann", "Lee", "ann@example.org", "06 12", "01 11", MonthDay{12, 24}}};
    for (const Language& language : languages) {
        for (DateOrder regional :
             {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
            const auto outlook =
                read(std::string(language.outlook) + "\r\nAnn,Lee,ann@example.org,06 12,01 11," +
                         language.date + "\r\n",
                     regional);
            ASSERT_TRUE(outlook) << language.name;
            EXPECT_EQ(outlook->contacts, ann) << language.name << " Outlook";
        }
        const auto thunderbird =
            read(std::string(language.thunderbird) +
                 "\r\nAnn,Lee,Ann Lee,ann@example.org,01 11,02 22,06 12,1980,12,24\r\n");
        ASSERT_TRUE(thunderbird) << language.name;
        EXPECT_EQ(thunderbird->contacts, ann) << language.name << " Thunderbird";
    }
}

// Bytes that are not UTF-8 are the ANSI code page's, left as they are, or
// else those of the code page the header reads in: a Russian Outlook's
// Windows-1251 on a Windows-1252 system.
TEST(CsvReader, AnsiFile) {
    const struct {
        const char* file;
        TextEncoding encoding;
        Contact person;
    } files[] = {
        {"First Name,Last Name,Birthday\r\nJos\xe9,M\xfcller,1/2/1980\r\n",
         TextEncoding::Ansi,
         {"Jos\xe9", "M\xfcller", "", "", "", MonthDay{1, 2}}},
        {"\xc8\xec\xff,\xd4\xe0\xec\xe8\xeb\xe8\xff,\xc4\xe5\xed\xfc \xf0\xee\xe6\xe4\xe5\xed"
         "\xe8\xff\r\n\xc8\xe2\xe0\xed,\xcf\xe5\xf2\xf0\xee\xe2,24.12.1980\r\n",
         TextEncoding::Utf8,
         {"\u0418\u0432\u0430\u043d", "\u041f\u0435\u0442\u0440\u043e\u0432", "", "", "",
          MonthDay{12, 24}}},
    };
    for (const auto& [file, encoding, person] : files) {
        const auto csv = read(file);
        ASSERT_TRUE(csv) << file;
        EXPECT_EQ(csv->encoding, encoding);
        EXPECT_EQ(csv->contacts, Contacts{person});
    }
}

// An address book names its people beside their birthdays, addresses or
// phones; one without birthdays is an address book all the same.
TEST(CsvReader, ReadableWithANameColumnBesideBirthdaysAnAddressOrAPhone) {
    for (const char* header :
         {"Last Name,Birthday", "family name ; BIRTHDAY", "\"Given Name\",Birthday",
          "First Name,Last Name,E-mail Address", "Vorname;Nachname;Mobiltelefon"})
        EXPECT_TRUE(read(std::string(header) + "\n")) << header;
    for (const char* header : {"Name,Birthday", "", "First Name,Notes",
                               "First Name;Last Name,Birthday", "\"First Name,Birthday\""})
        EXPECT_FALSE(read(std::string(header) + "\nAnn,1/2/1980\n")) << header;
}

// A quote left open takes the rest of the file; short rows lack their last
// fields; text after a closing quote stays in its field; a quote inside an
// unquoted field is text.
TEST(CsvReader, DamagedRows) {
    const auto csv = read(
        "First Name,Birthday,Last Name\nAnn\nBob,1/2/3,\"Dee\"x\nEd,1/2/3,O\"Brien\"\nCid,\"1/2/3\n"
        "Dan,4/5/6\n");
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->contacts,
              (Contacts{{"Ann"},
                        {"Bob", "Deex", "", "", "", MonthDay{1, 2}},
                        {"Ed", "O\"Brien\"", "", "", "", MonthDay{1, 2}},
                        {.firstName = "Cid", .unreadBirthday = "1/2/3\nDan,4/5/6"}}));
}

}  // namespace
}  // namespace address_book

#pragma once
#include <string>
#include <string_view>

namespace platform {

struct DateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Point {
    int x = 0, y = 0;
};

// The local date and time.
DateTime now();
// The user's regional date separator.
char dateSeparator();
// The order of day, month and year in the user's regional short-date format.
enum class ShortDateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
ShortDateOrder shortDateOrder();
// A UTF-8 path made whole against this run's current folder.
std::string fullPathUtf8(const std::string& utf8Path);
// The per-user application-data folder, or an empty text when the shell has none.
std::string appDataFolder();
// The user's Documents folder in UTF-8, or an empty text when the shell has
// none.
std::string documentsFolderUtf8();
// The two texts are the same without regard to case, compared as the
// system compares texts of the ANSI code page.
bool sameTextIgnoringCase(std::string_view a, std::string_view b);
// Puts the text's letters in small letters, as the system lowers the letters
// of the ANSI code page.
void lowerInPlace(std::string& text);
// The full path of the program's own executable.
std::string executablePath();
// The desktop without the taskbar.
Rect workArea();
// The height of a tool window's caption bar, in the screen's pixels.
int toolCaptionHeight();
// The mouse cursor, in screen coordinates.
Point cursorPos();
// Hands a link to the shell's "open", with the desktop as parent window.
void shellOpen(const std::string& link);
// Waits about this long, doing nothing; events wait meanwhile.
void pause(int milliseconds);

}  // namespace platform

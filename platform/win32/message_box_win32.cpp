
#include "platform/message_box.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/win32_api.h"

namespace platform {

namespace {

UINT iconFlag(MbIcon icon) {
    switch (icon) {
        case MbIcon::Information:
            return MB_ICONINFORMATION;
        case MbIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MbIcon::Question:
            return MB_ICONQUESTION;
        case MbIcon::Error:
            return MB_ICONERROR;
    }
    return 0;
}

// A Yes/No box has no Cancel: Escape, which closes it, means No.
MbResult resultOf(int answer, MbButtons buttons) {
    switch (answer) {
        case IDOK:
            return MbResult::Ok;
        case IDYES:
            return MbResult::Yes;
        case IDNO:
            return MbResult::No;
        case IDCANCEL:
            return buttons == MbButtons::YesNo ? MbResult::No : MbResult::Ok;
        default:
            return MbResult::Cancel;
    }
}

}  // namespace

MbResult messageBox(const std::string& text, const std::string& caption, MbIcon icon,
                    MbButtons buttons) {
    UINT flags = iconFlag(icon) | (buttons == MbButtons::YesNo ? MB_YESNO : MB_OK);
    int answer = MessageBoxA(win32::boxOwner(), text.c_str(), caption.c_str(), flags);
    return resultOf(answer, buttons);
}

}  // namespace platform

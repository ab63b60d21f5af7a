#pragma once
// FindBox: the small window of Edit > Find..., which looks for the next
// person with a text in the first name, surname or e-mail address.
#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/label.h"

class FindBox : public platform::Form {
public:
    explicit FindBox(platform::Form* owner);

    static constexpr const char* windowClass = "TFindBox";
    static constexpr const char* caption = "Find";

    platform::Label findWhatLabel{this};
    platform::Edit findWhatBox{this};
    platform::Button findNextButton{this};
    platform::Button closeButton{this};
};

#include "form.h"

#include "backend.h"
#include "dispatch.h"

namespace platform {

Form::Form(Form* owner) : Control(Kind::Form, nullptr), owner_(owner) { adoptVisible(false); }

Form::~Form() { backend::deleted(*this); }

void Form::create() { backend::created(*this); }

void Form::setColor(Color c) {
    color = c;
    changed(Prop::Color);
}

int Form::outerWidth() const {
    int width = 0, height = 0;
    backend::outerSize(*this, width, height);
    return width;
}

int Form::outerHeight() const {
    int width = 0, height = 0;
    backend::outerSize(*this, width, height);
    return height;
}

void Form::bringToFront() { backend::bringToFront(*this); }

void Form::repaintNow() { backend::repaintNow(*this); }

void Form::close() { backend::close(*this); }

bool Form::queryClose() {
    bool canClose = true;
    fire(onCloseQuery, canClose);
    return canClose;
}

void Form::destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    adoptVisible(false);
    fire(onDestroy);
}

void Form::painted() { fire(onPaint); }

}  // namespace platform

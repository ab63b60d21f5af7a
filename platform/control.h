#pragma once
// The base of every control the handlers work with. It holds the control's
// state in plain C++; the backend mirrors that state onto a real window.
#include <string>
#include <vector>

namespace platform {

enum class Kind { Form, Grid, Button, Edit, ComboBox, GroupBox, Label };

// What changed, so that the backend can push just that to the real window.
enum class Prop {
    Bounds,
    Visible,
    Enabled,
    Text,
    Color,
    Cells,
    RowCount,
    Row,
    ColWidth,
    Items,
    ItemIndex,
    MaxLength,
    Checked,
};

class Control {
public:
    Control(Kind kind, Control* parent);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control();

    Kind kind() const { return kind_; }
    Control* parent() const { return parent_; }
    const std::vector<Control*>& children() const { return children_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setBounds(int left, int top, int width, int height);
    void setWidth(int width);
    void setHeight(int height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // A user can reach the control only while it and every window above it
    // are visible and enabled.
    bool reachable() const;

    // Caption of forms, buttons, labels and group boxes; contents of edits
    // and of the editable part of combo boxes.
    const std::string& text() const { return text_; }
    void setText(const std::string& text);

    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int order) { tabOrder_ = order; }

    void setFocus();

    // For the backend: record a change the user made in the real window
    // without echoing it back to that window.
    void adoptText(const std::string& text) { text_ = text; }
    void adoptVisible(bool visible) { visible_ = visible; }
    void adoptPosition(int left, int top) {
        left_ = left;
        top_ = top;
    }

    // Opaque handle of the real window, owned by the backend.
    void* native = nullptr;

protected:
    void changed(Prop what);

private:
    Kind kind_;
    Control* parent_;
    std::vector<Control*> children_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    int tabOrder_ = 0;
};

}  // namespace platform

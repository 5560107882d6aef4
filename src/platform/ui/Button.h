// A button: a title, title colour, image and background image per state, an
// enabled flag and a press action that receives the button.
//
//   auto button = ui::Button::create(ui::Rect { 2, 0, 96, 38 });
//   button->setTitle("热门");
//   button->setBackgroundImageForState(ui::Image::named("title_normal.png"));
//   button->setAction([this](ui::Button& b) { buttonAction(b); });
#pragma once

#include "platform/ui/Label.h"
#include "platform/ui/View.h"

#include <functional>

namespace platform::ui {

enum class ControlState { Normal, Highlighted, Disabled, Selected };

enum class ButtonType {
    Custom,      // draws only what it is given; white title by default
    RoundedRect, // a white rounded box with a blue title
};

class Button : public View {
public:
    static std::shared_ptr<Button> create(Rect frame = {}, ButtonType type = ButtonType::Custom);
    explicit Button(Rect frame = {}, ButtonType type = ButtonType::Custom);
    ~Button() override;

    ButtonType buttonType() const;
    void setTitle(const std::string& title, ControlState state = ControlState::Normal);
    std::string titleForState(ControlState state) const;
    // The title shown in the button's present state.
    std::string currentTitle() const;
    void setTitleColor(Color color, ControlState state = ControlState::Normal);
    Color titleColorForState(ControlState state) const;
    void setImage(Image image, ControlState state = ControlState::Normal);
    void setBackgroundImageForState(Image image, ControlState state = ControlState::Normal);
    Image imageForState(ControlState state) const;
    Image backgroundImageForState(ControlState state) const;
    // The label that carries the title's font and shadow. Its text can be set
    // and read back directly (a button may keep a payload there).
    std::shared_ptr<Label> titleLabel() const;

    bool isEnabled() const;
    void setEnabled(bool enabled);
    bool isSelected() const;
    void setSelected(bool selected);
    bool isHighlighted() const;
    ControlState state() const;

    using Action = std::function<void(Button&)>;
    // The action run when the button is pressed (touch up inside).
    void setAction(Action action);
    void setAction(std::function<void()> action);
    // Presses the button as a touch would; false when it is disabled.
    bool sendAction();

    std::string className() const override { return "Button"; }
    std::string displayedText() const override { return currentTitle(); }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

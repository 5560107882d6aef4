// One-line text input with a delegate that may refuse editing, and a
// multi-line text view. There is no on-screen keyboard here: "the keyboard"
// is the first responder, the field being edited.
//
//   auto field = ui::TextField::create(ui::Rect { 20, 10, 200, 31 });
//   field->setPlaceholder("线路");
//   field->setReturnKeyType(ui::ReturnKeyType::Search);
//   field->setDelegate(this);
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

class TextField;
class TextView;

// Every operation is optional; the defaults allow everything.
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    // Answer false to keep the field from editing (no keyboard appears).
    virtual bool textFieldShouldBeginEditing(TextField&) { return true; }
    virtual void textFieldDidBeginEditing(TextField&) {}
    virtual bool textFieldShouldEndEditing(TextField&) { return true; }
    virtual void textFieldDidEndEditing(TextField&) {}
    // The return key; the answer is ignored, as on the phone.
    virtual bool textFieldShouldReturn(TextField&) { return true; }
    // After every change of the text by typing.
    virtual void textFieldDidChange(TextField&) {}
};

class TextViewDelegate {
public:
    virtual ~TextViewDelegate() = default;
    virtual bool textViewShouldBeginEditing(TextView&) { return true; }
    virtual void textViewDidBeginEditing(TextView&) {}
    virtual void textViewDidEndEditing(TextView&) {}
    virtual void textViewDidChange(TextView&) {}
};

enum class ReturnKeyType { Default, Go, Search, Send, Next, Done };
enum class KeyboardType { Default, NumberPad, EmailAddress, Url, PhonePad };
enum class BorderStyle { None, Line, Bezel, RoundedRect };

class TextField : public View {
public:
    static std::shared_ptr<TextField> create(Rect frame = {});
    explicit TextField(Rect frame = {});
    ~TextField() override;

    std::string text() const;
    void setText(const std::string& text);
    std::string placeholder() const;
    void setPlaceholder(const std::string& text);
    void setFont(const Font& font);
    Font font() const;
    void setTextColor(Color color);
    void setTextAlignment(TextAlignment alignment);
    void setBorderStyle(BorderStyle style);
    ReturnKeyType returnKeyType() const;
    void setReturnKeyType(ReturnKeyType type);
    KeyboardType keyboardType() const;
    void setKeyboardType(KeyboardType type);
    void setSecureTextEntry(bool secure);
    bool isSecureTextEntry() const;
    bool isEnabled() const;
    void setEnabled(bool enabled);

    void setDelegate(TextFieldDelegate* delegate); // not owned
    TextFieldDelegate* delegate() const;

    // Asks the delegate, then starts editing; false when refused.
    bool becomeFirstResponder();
    // Ends editing (dismisses the keyboard); false when the delegate refused.
    bool resignFirstResponder();
    bool isFirstResponder() const;
    bool isEditing() const { return isFirstResponder(); }

    // Typing and the return key, as the keyboard would send them.
    void insertText(const std::string& text);
    void deleteBackward();
    void pressReturn();

    std::string className() const override { return "TextField"; }
    std::string displayedText() const override;

    struct Data;

private:
    Data* d() const;
};

class TextView : public View {
public:
    static std::shared_ptr<TextView> create(Rect frame = {});
    explicit TextView(Rect frame = {});
    ~TextView() override;

    std::string text() const;
    void setText(const std::string& text);
    void setFont(const Font& font);
    void setTextColor(Color color);
    void setEditable(bool editable);
    bool isEditable() const;
    void setDelegate(TextViewDelegate* delegate); // not owned

    bool becomeFirstResponder();
    bool resignFirstResponder();
    bool isFirstResponder() const;
    void insertText(const std::string& text);

    std::string className() const override { return "TextView"; }
    std::string displayedText() const override { return text(); }

    struct Data;

private:
    Data* d() const;
};

// The view being edited now (a TextField or TextView), or null.
std::shared_ptr<View> currentFirstResponder();
// Dismisses the keyboard from whichever view has it.
void endEditing();

} // namespace platform::ui

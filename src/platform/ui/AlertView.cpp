#include "platform/ui/AlertView.h"

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextPaint.h"
#include "platform/ui/ViewPrivate.h"

#include <algorithm>

namespace platform::ui {

namespace {

// What alerts and sheets share: their buttons, the receiver's index rules and
// the dimmed backdrop that holds them in the window's alert layer.
struct PopupState {
    std::string title;
    std::string message;
    std::vector<std::string> buttons;
    int cancelIndex{-1};
    int destructiveIndex{-1};
    bool visible{false};
    std::shared_ptr<View> backdrop;
    std::vector<std::shared_ptr<View>> parts;
};

void updateAlertLayer() {
    auto layer = PhoneWindow::instance().alertLayer();
    layer->setUserInteractionEnabled(!layer->subviews().empty());
}

void present(View& popup, PopupState& state) {
    if (state.visible)
        return;
    state.visible = true;
    state.backdrop = View::create({0, 0, PhoneWindow::kWidth, PhoneWindow::kHeight});
    state.backdrop->setBackgroundColor(Color{0, 0, 0, 0.4});
    // Touches outside the popup go nowhere while it shows.
    state.backdrop->addTapHandler(1, [](Point) {});
    state.backdrop->addSubview(popup.weak_from_this().lock());
    PhoneWindow::instance().alertLayer()->addSubview(state.backdrop);
    updateAlertLayer();
}

void withdraw(View& popup, PopupState& state) {
    if (!state.visible)
        return;
    state.visible = false;
    auto keep = popup.weak_from_this().lock();
    popup.removeFromSuperview();
    if (state.backdrop)
        state.backdrop->removeFromSuperview();
    state.backdrop.reset();
    updateAlertLayer();
}

std::shared_ptr<Label> addText(View& box, PopupState& state, const std::string& text, Font font, Color color,
                               double x, double& y, double width) {
    auto label = Label::create();
    label->setText(text);
    label->setFont(font);
    label->setTextColor(color);
    label->setNumberOfLines(0);
    label->setTextAlignment(TextAlignment::Center);
    const double height = label->sizeThatFits(width).height;
    label->setFrame({x, y, width, height});
    box.addSubview(label);
    state.parts.push_back(label);
    y += height;
    return label;
}

std::shared_ptr<Button> makeButton(const std::string& title, Rect frame, Color fill, Color text) {
    auto button = Button::create(frame);
    button->setTitle(title);
    button->setTitleColor(text);
    button->titleLabel()->setFont(Font::boldSystemFont(16));
    button->setBackgroundColor(fill);
    button->setCornerRadius(6);
    button->setBorder(1, Color{1, 1, 1, 0.35});
    return button;
}

void clearParts(View& box, PopupState& state) {
    (void)box;
    for (auto& part : state.parts)
        part->removeFromSuperview();
    state.parts.clear();
}

} // namespace

// --- alert ------------------------------------------------------------------------

struct AlertView::Data : View::Impl {
    PopupState state;
    AlertViewDelegate* delegate{nullptr};
    std::function<void(AlertView&, int)> onClick;
};

std::shared_ptr<AlertView> AlertView::create(const std::string& title, const std::string& message,
                                             AlertViewDelegate* delegate,
                                             const std::string& cancelButtonTitle,
                                             const std::vector<std::string>& otherButtonTitles) {
    auto alert = std::make_shared<AlertView>(title, message);
    alert->setDelegate(delegate);
    if (!cancelButtonTitle.empty())
        alert->setCancelButtonIndex(alert->addButtonWithTitle(cancelButtonTitle));
    for (auto& other : otherButtonTitles)
        alert->addButtonWithTitle(other);
    return alert;
}

AlertView::AlertView(const std::string& title, const std::string& message)
    : View(std::make_unique<Data>(), {18, 160, 284, 140}) {
    d()->state.title = title;
    d()->state.message = message;
    setBackgroundColor(Color::rgb(22, 40, 82, 0.94));
    setCornerRadius(10);
    setBorder(2, Color{1, 1, 1, 0.8});
}

AlertView::~AlertView() = default;

AlertView::Data* AlertView::d() const {
    return static_cast<Data*>(impl());
}

std::string AlertView::title() const {
    return d()->state.title;
}

std::string AlertView::message() const {
    return d()->state.message;
}

void AlertView::setDelegate(AlertViewDelegate* delegate) {
    d()->delegate = delegate;
}

void AlertView::setOnClick(std::function<void(AlertView&, int)> fn) {
    d()->onClick = std::move(fn);
}

int AlertView::addButtonWithTitle(const std::string& title) {
    d()->state.buttons.push_back(title);
    if (d()->state.visible)
        layout();
    return static_cast<int>(d()->state.buttons.size()) - 1;
}

int AlertView::numberOfButtons() const {
    return static_cast<int>(d()->state.buttons.size());
}

std::string AlertView::buttonTitleAtIndex(int index) const {
    auto& buttons = d()->state.buttons;
    return index >= 0 && index < static_cast<int>(buttons.size()) ? buttons[index] : std::string{};
}

int AlertView::cancelButtonIndex() const {
    return d()->state.cancelIndex;
}

void AlertView::setCancelButtonIndex(int index) {
    d()->state.cancelIndex = index;
}

void AlertView::layout() {
    auto& state = d()->state;
    clearParts(*this, state);
    const double width = 284;
    const double inner = width - 32;
    double y = 16;
    if (!state.title.empty())
        addText(*this, state, state.title, Font::boldSystemFont(17), Color::white(), 16, y, inner);
    const int count = numberOfButtons();
    // A waiting alert keeps the band under its title (y 46 to 80) free for the
    // activity indicator that its screen puts at (132, 55).
    if (count == 0)
        y = std::max(y, 80.0);
    if (!state.message.empty()) {
        y += state.title.empty() || count == 0 ? 0 : 6;
        addText(*this, state, state.message, Font::systemFont(15), Color::white(), 16, y, inner);
    }
    y += 14;
    const double buttonHeight = 40;
    if (count == 2) {
        const double w = (inner - 10) / 2;
        for (int i = 0; i < 2; ++i) {
            const bool cancel = i == state.cancelIndex;
            auto button = makeButton(state.buttons[i], {16 + i * (w + 10), y, w, buttonHeight},
                                     cancel ? Color{1, 1, 1, 0.08} : Color{1, 1, 1, 0.22}, Color::white());
            button->setAction([this, i](Button&) { pressButtonAtIndex(i); });
            addSubview(button);
            state.parts.push_back(button);
        }
        y += buttonHeight + 14;
    } else {
        for (int i = 0; i < count; ++i) {
            const bool cancel = i == state.cancelIndex;
            auto button = makeButton(state.buttons[i], {16, y, inner, buttonHeight},
                                     cancel ? Color{1, 1, 1, 0.08} : Color{1, 1, 1, 0.22}, Color::white());
            button->setAction([this, i](Button&) { pressButtonAtIndex(i); });
            addSubview(button);
            state.parts.push_back(button);
            y += buttonHeight + 8;
        }
        y += count ? 6 : 0;
    }
    if (count == 0)
        y = std::max(y + 4, 100.0);
    // Keep screen-added subviews (an indicator) above the text.
    const double height = std::min(y, 440.0);
    View::setFrame({18, std::max(20.0, (PhoneWindow::kHeight - height) / 2), width, height});
}

void AlertView::show() {
    layout();
    present(*this, d()->state);
}

bool AlertView::isVisible() const {
    return d()->state.visible;
}

void AlertView::dismissWithClickedButtonIndex(int index, bool) {
    if (!d()->state.visible)
        return;
    auto keep = retainView(this);
    withdraw(*this, d()->state);
    if (d()->delegate)
        d()->delegate->alertViewDidDismissWithButtonIndex(*this, index);
}

bool AlertView::pressButtonAtIndex(int index) {
    if (!d()->state.visible || index < 0 || index >= numberOfButtons())
        return false;
    auto keep = retainView(this);
    // The alert leaves the screen first, so a receiver may show the next one.
    withdraw(*this, d()->state);
    if (d()->delegate)
        d()->delegate->alertViewClickedButtonAtIndex(*this, index);
    if (auto fn = d()->onClick)
        fn(*this, index);
    if (d()->delegate)
        d()->delegate->alertViewDidDismissWithButtonIndex(*this, index);
    return true;
}

std::vector<std::shared_ptr<AlertView>> AlertView::visibleAlerts() {
    std::vector<std::shared_ptr<AlertView>> result;
    if (!PhoneWindow::exists())
        return result;
    for (auto& backdrop : PhoneWindow::instance().alertLayer()->subviews()) {
        for (auto& v : backdrop->subviews()) {
            if (auto alert = std::dynamic_pointer_cast<AlertView>(v))
                result.push_back(alert);
        }
    }
    return result;
}

// --- action sheet -------------------------------------------------------------------

struct ActionSheet::Data : View::Impl {
    PopupState state;
    ActionSheetDelegate* delegate{nullptr};
    std::function<void(ActionSheet&, int)> onClick;
};

std::shared_ptr<ActionSheet> ActionSheet::create(const std::string& title, ActionSheetDelegate* delegate,
                                                 const std::string& cancelButtonTitle,
                                                 const std::string& destructiveButtonTitle,
                                                 const std::vector<std::string>& otherButtonTitles) {
    auto sheet = std::make_shared<ActionSheet>(title);
    sheet->setDelegate(delegate);
    if (!destructiveButtonTitle.empty())
        sheet->d()->state.destructiveIndex = sheet->addButtonWithTitle(destructiveButtonTitle);
    for (auto& other : otherButtonTitles)
        sheet->addButtonWithTitle(other);
    if (!cancelButtonTitle.empty())
        sheet->setCancelButtonIndex(sheet->addButtonWithTitle(cancelButtonTitle));
    return sheet;
}

ActionSheet::ActionSheet(const std::string& title) : View(std::make_unique<Data>(), {0, 280, 320, 200}) {
    d()->state.title = title;
    setBackgroundColor(Color::rgb(30, 34, 44, 0.94));
}

ActionSheet::~ActionSheet() = default;

ActionSheet::Data* ActionSheet::d() const {
    return static_cast<Data*>(impl());
}

std::string ActionSheet::title() const {
    return d()->state.title;
}

void ActionSheet::setDelegate(ActionSheetDelegate* delegate) {
    d()->delegate = delegate;
}

void ActionSheet::setOnClick(std::function<void(ActionSheet&, int)> fn) {
    d()->onClick = std::move(fn);
}

int ActionSheet::addButtonWithTitle(const std::string& title) {
    d()->state.buttons.push_back(title);
    if (d()->state.visible)
        layout();
    return static_cast<int>(d()->state.buttons.size()) - 1;
}

int ActionSheet::numberOfButtons() const {
    return static_cast<int>(d()->state.buttons.size());
}

std::string ActionSheet::buttonTitleAtIndex(int index) const {
    auto& buttons = d()->state.buttons;
    return index >= 0 && index < static_cast<int>(buttons.size()) ? buttons[index] : std::string{};
}

int ActionSheet::cancelButtonIndex() const {
    return d()->state.cancelIndex;
}

void ActionSheet::setCancelButtonIndex(int index) {
    d()->state.cancelIndex = index;
}

int ActionSheet::destructiveButtonIndex() const {
    return d()->state.destructiveIndex;
}

void ActionSheet::layout() {
    auto& state = d()->state;
    clearParts(*this, state);
    const double inner = 280;
    double y = 10;
    if (!state.title.empty()) {
        addText(*this, state, state.title, Font::systemFont(14), Color::rgb(200, 200, 200), 20, y, inner);
        y += 10;
    }
    const int count = numberOfButtons();
    const double buttonHeight = 40;
    const double gap = 8;
    double needed = 0;
    for (int i = 0; i < count; ++i)
        needed += buttonHeight + gap + (i == state.cancelIndex && i == count - 1 && i > 0 ? gap : 0);
    // A long menu scrolls its buttons inside the screen.
    const double room = PhoneWindow::kScreenHeight - 16 - y;
    const double listHeight = std::min(needed, room);
    auto list = ScrollView::create({0, y, 320, listHeight});
    list->setContentSize({320, needed});
    list->setBounces(false);
    addSubview(list);
    state.parts.push_back(list);
    double by = 0;
    for (int i = 0; i < count; ++i) {
        const bool cancel = i == state.cancelIndex;
        const bool destructive = i == state.destructiveIndex;
        if (cancel && i == count - 1 && i > 0)
            by += gap;
        Color fill = cancel        ? Color::rgb(70, 70, 78)
                     : destructive ? Color::rgb(200, 40, 40)
                                   : Color::rgb(240, 240, 240);
        Color text = cancel || destructive ? Color::white() : Color::black();
        auto button = makeButton(state.buttons[i], {20, by, inner, buttonHeight}, fill, text);
        button->setBorder(1, Color{0, 0, 0, 0.4});
        button->setAction([this, i](Button&) { pressButtonAtIndex(i); });
        list->addSubview(button);
        by += buttonHeight + gap;
    }
    y += listHeight + 8;
    const double height = std::min(y, static_cast<double>(PhoneWindow::kScreenHeight));
    View::setFrame({0, PhoneWindow::kHeight - height, 320, height});
}

void ActionSheet::showInView(View&) {
    show();
}

void ActionSheet::show() {
    layout();
    present(*this, d()->state);
}

bool ActionSheet::isVisible() const {
    return d()->state.visible;
}

void ActionSheet::dismissWithClickedButtonIndex(int index, bool) {
    if (!d()->state.visible)
        return;
    auto keep = retainView(this);
    withdraw(*this, d()->state);
    if (d()->delegate)
        d()->delegate->actionSheetDidDismissWithButtonIndex(*this, index);
}

bool ActionSheet::pressButtonAtIndex(int index) {
    if (!d()->state.visible || index < 0 || index >= numberOfButtons())
        return false;
    auto keep = retainView(this);
    withdraw(*this, d()->state);
    if (d()->delegate)
        d()->delegate->actionSheetClickedButtonAtIndex(*this, index);
    if (auto fn = d()->onClick)
        fn(*this, index);
    if (d()->delegate)
        d()->delegate->actionSheetDidDismissWithButtonIndex(*this, index);
    return true;
}

std::vector<std::shared_ptr<ActionSheet>> ActionSheet::visibleSheets() {
    std::vector<std::shared_ptr<ActionSheet>> result;
    if (!PhoneWindow::exists())
        return result;
    for (auto& backdrop : PhoneWindow::instance().alertLayer()->subviews()) {
        for (auto& v : backdrop->subviews()) {
            if (auto sheet = std::dynamic_pointer_cast<ActionSheet>(v))
                result.push_back(sheet);
        }
    }
    return result;
}

} // namespace platform::ui

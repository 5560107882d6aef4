#include "platform/ui/TextField.h"

#include "platform/ui/ViewPrivate.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

namespace platform::ui {

namespace {

struct Responder {
    std::weak_ptr<View> view;
    std::function<bool()> resign;
};

Responder& responder() {
    static Responder r;
    return r;
}

// Makes way for a new first responder; false when the old one refuses.
bool resignOther(const View* newcomer) {
    auto& r = responder();
    auto current = r.view.lock();
    if (!current || current.get() == newcomer)
        return true;
    return !r.resign || r.resign();
}

void paintBorder(QPainter& painter, const QRectF& area, BorderStyle style) {
    switch (style) {
    case BorderStyle::None:
        return;
    case BorderStyle::Line:
        painter.setPen(QColor(Qt::black));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    case BorderStyle::Bezel:
        painter.fillRect(area, Qt::white);
        painter.setPen(QColor(110, 110, 110));
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    case BorderStyle::RoundedRect: {
        QPainterPath path;
        path.addRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
        painter.fillPath(path, Qt::white);
        painter.setPen(QColor(150, 150, 150));
        painter.drawPath(path);
        return;
    }
    }
}

Qt::Alignment qtAlignment(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TextAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

std::shared_ptr<View> currentFirstResponder() {
    return responder().view.lock();
}

void endEditing() {
    resignOther(nullptr);
}

// --- text field -----------------------------------------------------------------

struct TextField::Data : View::Impl {
    QLineEdit* edit{nullptr};
    TextFieldDelegate* delegate{nullptr};
    BorderStyle border{BorderStyle::None};
    ReturnKeyType returnKey{ReturnKeyType::Default};
    KeyboardType keyboard{KeyboardType::Default};
    Font font{Font::systemFont(17)};
    bool editing{false};
    bool enabled{true};
    bool programmatic{false};
    ViewWidget* makeWidget() override;
};

namespace {

class TextFieldWidget : public ViewWidget {
public:
    explicit TextFieldWidget(TextField::Data* data) : ViewWidget(data) {
        data->edit = new QLineEdit(this);
        data->edit->setFrame(false);
        // Only a touch (or the code) starts editing, never the window's first focus.
        data->edit->setFocusPolicy(Qt::ClickFocus);
        data->edit->setStyleSheet("QLineEdit { background: transparent; border: none; }");
        data->edit->installEventFilter(this);
    }

protected:
    TextField::Data* data() const { return static_cast<TextField::Data*>(m_impl); }

    void resizeEvent(QResizeEvent*) override {
        if (auto* d = data()) {
            const int inset = d->border == BorderStyle::None ? 0 : 6;
            d->edit->setGeometry(inset, 0, std::max(0, width() - 2 * inset), height());
        }
    }

    void paintContent(QPainter& painter) override {
        if (auto* d = data())
            paintBorder(painter, QRectF(0, 0, width(), height()), d->border);
    }

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* d = data();
        if (!d || object != d->edit || d->editing)
            return false;
        if (event->type() == QEvent::MouseButtonPress)
            return !static_cast<TextField*>(d->owner)->becomeFirstResponder();
        if (event->type() != QEvent::FocusIn)
            return false;
        // Focus that no touch asked for (the window coming up, the tab key)
        // starts no editing.
        QPointer<TextFieldWidget> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (self && self->data() && !self->data()->editing)
                    self->data()->edit->clearFocus();
            },
            Qt::QueuedConnection);
        return true;
    }
};

} // namespace

ViewWidget* TextField::Data::makeWidget() {
    auto* widget = new TextFieldWidget(this);
    QObject::connect(edit, &QLineEdit::textEdited, widget, [this] {
        if (programmatic || !delegate)
            return;
        auto keep = retainView(owner);
        delegate->textFieldDidChange(*static_cast<TextField*>(owner));
    });
    QObject::connect(edit, &QLineEdit::returnPressed, widget,
                     [this] { static_cast<TextField*>(owner)->pressReturn(); });
    return widget;
}

std::shared_ptr<TextField> TextField::create(Rect frame) {
    return std::make_shared<TextField>(frame);
}

TextField::TextField(Rect frame) : View(std::make_unique<Data>(), frame) {
    setFont(Font::systemFont(17));
}

TextField::~TextField() {
    QObject::disconnect(d()->edit, nullptr, nullptr, nullptr);
    if (d()->editing)
        responder() = {};
}

TextField::Data* TextField::d() const {
    return static_cast<Data*>(impl());
}

std::string TextField::text() const {
    return fromQString(d()->edit->text());
}

void TextField::setText(const std::string& text) {
    d()->programmatic = true;
    d()->edit->setText(toQString(text));
    d()->programmatic = false;
}

std::string TextField::placeholder() const {
    return fromQString(d()->edit->placeholderText());
}

void TextField::setPlaceholder(const std::string& text) {
    d()->edit->setPlaceholderText(toQString(text));
}

void TextField::setFont(const Font& font) {
    d()->font = font;
    d()->edit->setFont(toQFont(font));
}

Font TextField::font() const {
    return d()->font;
}

void TextField::setTextColor(Color color) {
    QPalette palette = d()->edit->palette();
    palette.setColor(QPalette::Text, toQColor(color));
    d()->edit->setPalette(palette);
}

void TextField::setTextAlignment(TextAlignment alignment) {
    d()->edit->setAlignment(qtAlignment(alignment));
}

void TextField::setBorderStyle(BorderStyle style) {
    d()->border = style;
    if (d()->widget)
        d()->widget->resize(d()->widget->size() + QSize(0, 0));
    const int inset = style == BorderStyle::None ? 0 : 6;
    auto f = presentationFrame();
    d()->edit->setGeometry(inset, 0, std::max(0, static_cast<int>(f.width) - 2 * inset),
                           static_cast<int>(f.height));
    d()->update();
}

ReturnKeyType TextField::returnKeyType() const {
    return d()->returnKey;
}

void TextField::setReturnKeyType(ReturnKeyType type) {
    d()->returnKey = type;
}

KeyboardType TextField::keyboardType() const {
    return d()->keyboard;
}

void TextField::setKeyboardType(KeyboardType type) {
    d()->keyboard = type;
}

void TextField::setSecureTextEntry(bool secure) {
    d()->edit->setEchoMode(secure ? QLineEdit::Password : QLineEdit::Normal);
}

bool TextField::isSecureTextEntry() const {
    return d()->edit->echoMode() == QLineEdit::Password;
}

bool TextField::isEnabled() const {
    return d()->enabled;
}

void TextField::setEnabled(bool enabled) {
    d()->enabled = enabled;
    d()->edit->setEnabled(enabled);
}

void TextField::setDelegate(TextFieldDelegate* delegate) {
    d()->delegate = delegate;
}

TextFieldDelegate* TextField::delegate() const {
    return d()->delegate;
}

bool TextField::becomeFirstResponder() {
    if (d()->editing)
        return true;
    if (!d()->enabled)
        return false;
    auto keep = retainView(this);
    if (d()->delegate && !d()->delegate->textFieldShouldBeginEditing(*this))
        return false;
    if (!resignOther(this))
        return false;
    d()->editing = true;
    responder().view = weak_from_this();
    responder().resign = [this] { return resignFirstResponder(); };
    d()->edit->setFocus(Qt::OtherFocusReason);
    if (d()->delegate)
        d()->delegate->textFieldDidBeginEditing(*this);
    return true;
}

bool TextField::resignFirstResponder() {
    if (!d()->editing)
        return true;
    auto keep = retainView(this);
    if (d()->delegate && !d()->delegate->textFieldShouldEndEditing(*this))
        return false;
    d()->editing = false;
    if (responder().view.lock().get() == this)
        responder() = {};
    d()->edit->clearFocus();
    if (d()->delegate)
        d()->delegate->textFieldDidEndEditing(*this);
    return true;
}

bool TextField::isFirstResponder() const {
    return d()->editing;
}

void TextField::insertText(const std::string& text) {
    if (!d()->editing)
        return;
    d()->programmatic = true;
    d()->edit->insert(toQString(text));
    d()->programmatic = false;
    if (d()->delegate) {
        auto keep = retainView(this);
        d()->delegate->textFieldDidChange(*this);
    }
}

void TextField::deleteBackward() {
    if (!d()->editing)
        return;
    d()->programmatic = true;
    d()->edit->backspace();
    d()->programmatic = false;
    if (d()->delegate) {
        auto keep = retainView(this);
        d()->delegate->textFieldDidChange(*this);
    }
}

void TextField::pressReturn() {
    auto keep = retainView(this);
    if (d()->delegate)
        d()->delegate->textFieldShouldReturn(*this);
}

std::string TextField::displayedText() const {
    auto t = text();
    return t.empty() ? placeholder() : t;
}

// --- text view --------------------------------------------------------------------

struct TextView::Data : View::Impl {
    QPlainTextEdit* edit{nullptr};
    TextViewDelegate* delegate{nullptr};
    bool editing{false};
    bool editable{true};
    bool programmatic{false};
    ViewWidget* makeWidget() override;
};

namespace {

class TextViewWidget : public ViewWidget {
public:
    explicit TextViewWidget(TextView::Data* data) : ViewWidget(data) {
        data->edit = new QPlainTextEdit(this);
        data->edit->setFrameShape(QFrame::NoFrame);
        data->edit->setFocusPolicy(Qt::ClickFocus);
        data->edit->setStyleSheet("QPlainTextEdit { background: transparent; border: none; }");
        data->edit->installEventFilter(this);
        data->edit->viewport()->installEventFilter(this);
    }

protected:
    TextView::Data* data() const { return static_cast<TextView::Data*>(m_impl); }

    void resizeEvent(QResizeEvent*) override {
        if (auto* d = data())
            d->edit->setGeometry(0, 0, width(), height());
    }

    bool eventFilter(QObject*, QEvent* event) override {
        auto* d = data();
        if (!d || d->editing)
            return false;
        if (event->type() == QEvent::MouseButtonPress)
            return !static_cast<TextView*>(d->owner)->becomeFirstResponder();
        if (event->type() != QEvent::FocusIn)
            return false;
        QPointer<TextViewWidget> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (self && self->data() && !self->data()->editing)
                    self->data()->edit->clearFocus();
            },
            Qt::QueuedConnection);
        return true;
    }
};

} // namespace

ViewWidget* TextView::Data::makeWidget() {
    auto* widget = new TextViewWidget(this);
    QObject::connect(edit, &QPlainTextEdit::textChanged, widget, [this] {
        if (programmatic || !delegate)
            return;
        auto keep = retainView(owner);
        delegate->textViewDidChange(*static_cast<TextView*>(owner));
    });
    return widget;
}

std::shared_ptr<TextView> TextView::create(Rect frame) {
    return std::make_shared<TextView>(frame);
}

TextView::TextView(Rect frame) : View(std::make_unique<Data>(), frame) {
    setBackgroundColor(Color::white());
    setFont(Font::systemFont(17));
}

TextView::~TextView() {
    QObject::disconnect(d()->edit, nullptr, nullptr, nullptr);
    if (d()->editing)
        responder() = {};
}

TextView::Data* TextView::d() const {
    return static_cast<Data*>(impl());
}

std::string TextView::text() const {
    return fromQString(d()->edit->toPlainText());
}

void TextView::setText(const std::string& text) {
    d()->programmatic = true;
    d()->edit->setPlainText(toQString(text));
    d()->programmatic = false;
}

void TextView::setFont(const Font& font) {
    d()->edit->setFont(toQFont(font));
}

void TextView::setTextColor(Color color) {
    QPalette palette = d()->edit->palette();
    palette.setColor(QPalette::Text, toQColor(color));
    d()->edit->setPalette(palette);
}

void TextView::setEditable(bool editable) {
    d()->editable = editable;
    d()->edit->setReadOnly(!editable);
}

bool TextView::isEditable() const {
    return d()->editable;
}

void TextView::setDelegate(TextViewDelegate* delegate) {
    d()->delegate = delegate;
}

bool TextView::becomeFirstResponder() {
    if (d()->editing)
        return true;
    if (!d()->editable)
        return false;
    auto keep = retainView(this);
    if (d()->delegate && !d()->delegate->textViewShouldBeginEditing(*this))
        return false;
    if (!resignOther(this))
        return false;
    d()->editing = true;
    responder().view = weak_from_this();
    responder().resign = [this] { return resignFirstResponder(); };
    d()->edit->setFocus(Qt::OtherFocusReason);
    if (d()->delegate)
        d()->delegate->textViewDidBeginEditing(*this);
    return true;
}

bool TextView::resignFirstResponder() {
    if (!d()->editing)
        return true;
    auto keep = retainView(this);
    d()->editing = false;
    if (responder().view.lock().get() == this)
        responder() = {};
    d()->edit->clearFocus();
    if (d()->delegate)
        d()->delegate->textViewDidEndEditing(*this);
    return true;
}

bool TextView::isFirstResponder() const {
    return d()->editing;
}

void TextView::insertText(const std::string& text) {
    if (!d()->editing)
        return;
    d()->edit->insertPlainText(toQString(text));
}

} // namespace platform::ui

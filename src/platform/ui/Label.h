// A line or block of text: font, colour, shadow, alignment, wrapping and
// shrinking to fit. Text is UTF-8.
//
//   auto label = ui::Label::create(ui::Rect { 10, 20, 100, 20 });
//   label->setText("下拉可以刷新");
//   view->addSubview(label);
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

class Label : public View {
public:
    static std::shared_ptr<Label> create(Rect frame = {});
    explicit Label(Rect frame = {});
    ~Label() override;

    std::string text() const;
    void setText(const std::string& text);
    Font font() const;
    void setFont(const Font& font);
    Color textColor() const;
    void setTextColor(Color color);
    // A copy of the text drawn under it, offset by the given points.
    void setShadow(Color color, Size offset);
    Color shadowColor() const;
    Size shadowOffset() const;
    TextAlignment textAlignment() const;
    void setTextAlignment(TextAlignment alignment);
    // 1 (the default) keeps one line and cuts the tail; 0 wraps without limit.
    int numberOfLines() const;
    void setNumberOfLines(int lines);
    // Shrinks a single line's font, down to the minimum size, to fit the width.
    void setAdjustsFontSizeToFitWidth(bool adjust, double minimumFontSize = 8);
    // A highlighted label (in a selected row) draws in its highlighted colour, white by default.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const;
    void setHighlightedTextColor(Color color);
    bool adjustsFontSizeToFitWidth() const;
    // The font size actually drawn after shrinking.
    double drawnFontSize() const;
    // The size the text needs at the given width (wrapped when lines != 1).
    Size sizeThatFits(double width) const;
    void sizeToFit();

    std::string className() const override { return "Label"; }
    std::string displayedText() const override { return text(); }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

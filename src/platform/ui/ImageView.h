// Shows an image scaled to its frame.
//
//   auto icon = ui::ImageView::create(ui::Image::named("location_bus.png"));
//   icon->setFrame(ui::Rect { 5, 0, 20, 20 });
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

enum class ContentMode { ScaleToFill, AspectFit, Center };

class ImageView : public View {
public:
    // With the image's natural size as its frame.
    static std::shared_ptr<ImageView> create(Image image);
    static std::shared_ptr<ImageView> create(Rect frame = {});
    explicit ImageView(Rect frame = {});
    ~ImageView() override;

    Image image() const;
    void setImage(Image image);
    void setContentMode(ContentMode mode);

    std::string className() const override { return "ImageView"; }
    std::string displayedText() const override { return image().name(); }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

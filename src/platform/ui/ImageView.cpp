#include "platform/ui/ImageView.h"

#include "platform/ui/ViewPrivate.h"

#include <QPainter>

namespace platform::ui {

struct ImageView::Data : View::Impl {
    Image image;
    ContentMode mode{ContentMode::ScaleToFill};
    ViewWidget* makeWidget() override;
};

namespace {

class ImageWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override {
        auto* d = static_cast<ImageView::Data*>(m_impl);
        if (!d || !d->image)
            return;
        const QImage& img = d->image.data()->image;
        QRectF area(0, 0, width(), height());
        if (d->mode == ContentMode::AspectFit) {
            QSizeF s = QSizeF(img.size()).scaled(area.size(), Qt::KeepAspectRatio);
            area = QRectF((width() - s.width()) / 2, (height() - s.height()) / 2, s.width(), s.height());
        } else if (d->mode == ContentMode::Center) {
            area = QRectF((width() - img.width()) / 2.0, (height() - img.height()) / 2.0, img.width(),
                          img.height());
        }
        painter.drawImage(area, img);
    }
};

} // namespace

ViewWidget* ImageView::Data::makeWidget() {
    return new ImageWidget(this);
}

std::shared_ptr<ImageView> ImageView::create(Image image) {
    auto size = image.size();
    auto view = std::make_shared<ImageView>(Rect{0, 0, size.width, size.height});
    view->setImage(std::move(image));
    return view;
}

std::shared_ptr<ImageView> ImageView::create(Rect frame) {
    return std::make_shared<ImageView>(frame);
}

ImageView::ImageView(Rect frame) : View(std::make_unique<Data>(), frame) {
    setUserInteractionEnabled(false);
}

ImageView::~ImageView() = default;

ImageView::Data* ImageView::d() const {
    return static_cast<Data*>(impl());
}

Image ImageView::image() const {
    return d()->image;
}

void ImageView::setImage(Image image) {
    d()->image = std::move(image);
    d()->update();
}

void ImageView::setContentMode(ContentMode mode) {
    d()->mode = mode;
    d()->update();
}

} // namespace platform::ui

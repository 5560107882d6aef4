#include "platform/ui/ScannerView.h"

#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/ViewPrivate.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

#include <ZXing/ReadBarcode.h>

namespace platform::ui {

struct ScannerView::Data : View::Impl {
    ScannerViewDelegate* delegate{nullptr};
    std::vector<ScannerReader> readers{ScannerReader::QRCode};
    std::string soundName;
    std::string soundType;
    bool presented{false};
    int sounds{0};
    std::shared_ptr<Label> notice;
    ViewWidget* makeWidget() override;
};

namespace {

class ScannerWidget : public ViewWidget {
public:
    explicit ScannerWidget(ScannerView::Data* data) : ViewWidget(data) { setAcceptDrops(true); }

protected:
    void paintContent(QPainter& painter) override {
        // The viewfinder: a square with bright corners.
        const QRectF finder(50, 80, 220, 220);
        painter.fillRect(finder, QColor(255, 255, 255, 25));
        QPen pen(QColor(80, 220, 90));
        pen.setWidthF(4);
        painter.setPen(pen);
        const double c = 24;
        const QPointF corners[4] = {finder.topLeft(), finder.topRight(), finder.bottomRight(),
                                    finder.bottomLeft()};
        const double sx[4] = {1, -1, -1, 1};
        const double sy[4] = {1, 1, -1, -1};
        for (int i = 0; i < 4; ++i) {
            painter.drawLine(corners[i], corners[i] + QPointF(sx[i] * c, 0));
            painter.drawLine(corners[i], corners[i] + QPointF(0, sy[i] * c));
        }
        QPen line(QColor(80, 220, 90, 160));
        line.setWidthF(2);
        painter.setPen(line);
        painter.drawLine(QPointF(finder.left() + 10, finder.center().y()),
                         QPointF(finder.right() - 10, finder.center().y()));
    }

    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasUrls())
            event->acceptProposedAction();
    }

    void dropEvent(QDropEvent* event) override {
        if (!m_impl)
            return;
        auto urls = event->mimeData()->urls();
        if (urls.isEmpty() || !urls.first().isLocalFile())
            return;
        event->acceptProposedAction();
        auto keep = retainView(m_impl->owner);
        static_cast<ScannerView*>(m_impl->owner)->scanImageFile(fromQString(urls.first().toLocalFile()));
    }
};

void playSound(const std::string& file) {
    if (!fileExists(file))
        return;
    // The first player found on the machine; none means silence.
    for (const char* player : {"paplay", "play", "afplay"}) {
        QString program = QStandardPaths::findExecutable(player);
        if (program.isEmpty())
            continue;
        QStringList args{toQString(file)};
        if (QString(player) == "play")
            args << "-q";
        QProcess::startDetached(program, args);
        return;
    }
}

} // namespace

ViewWidget* ScannerView::Data::makeWidget() {
    return new ScannerWidget(this);
}

std::shared_ptr<ScannerView> ScannerView::create(ScannerViewDelegate* delegate, bool showsCancelButton) {
    return std::make_shared<ScannerView>(delegate, showsCancelButton);
}

ScannerView::ScannerView(ScannerViewDelegate* delegate, bool showsCancelButton)
    : View(std::make_unique<Data>(),
           {0, PhoneWindow::kStatusBarHeight, PhoneWindow::kWidth, PhoneWindow::kScreenHeight}) {
    d()->delegate = delegate;
    setBackgroundColor(Color::rgb(20, 22, 26));
    // Touches do not reach the screen under the scanner.
    addTapHandler(1, [](Point) {});

    auto title = Label::create({0, 20, 320, 30});
    title->setText("扫描二维码");
    title->setFont(Font::boldSystemFont(20));
    title->setTextColor(Color::white());
    title->setTextAlignment(TextAlignment::Center);
    addSubview(title);

    auto hint = Label::create({60, 150, 200, 80});
    hint->setText("将二维码图片拖到此处，或点击下方按钮选择图片");
    hint->setNumberOfLines(0);
    hint->setFont(Font::systemFont(14));
    hint->setTextColor(Color::lightGray());
    hint->setTextAlignment(TextAlignment::Center);
    addSubview(hint);

    d()->notice = Label::create({10, 306, 300, 24});
    d()->notice->setFont(Font::systemFont(14));
    d()->notice->setTextColor(Color::rgb(255, 120, 100));
    d()->notice->setTextAlignment(TextAlignment::Center);
    addSubview(d()->notice);

    auto choose = Button::create({60, 340, 200, 40}, ButtonType::RoundedRect);
    choose->setTitle("选择图片");
    choose->setAction([this] { chooseImage(); });
    addSubview(choose);

    if (showsCancelButton) {
        auto cancelButton = Button::create({60, 392, 200, 40});
        cancelButton->setTitle("取消");
        cancelButton->titleLabel()->setFont(Font::boldSystemFont(16));
        cancelButton->setBackgroundColor(Color::rgb(70, 70, 78));
        cancelButton->setCornerRadius(8);
        cancelButton->setAction([this] { cancel(); });
        addSubview(cancelButton);
    }
}

ScannerView::~ScannerView() = default;

ScannerView::Data* ScannerView::d() const {
    return static_cast<Data*>(impl());
}

void ScannerView::setDelegate(ScannerViewDelegate* delegate) {
    d()->delegate = delegate;
}

void ScannerView::setReaders(const std::vector<ScannerReader>& readers) {
    d()->readers = readers;
}

void ScannerView::setSoundToPlay(const std::string& name, const std::string& type) {
    d()->soundName = name;
    d()->soundType = type;
}

void ScannerView::present(bool animated) {
    if (d()->presented)
        return;
    d()->presented = true;
    d()->notice->setText({});
    PhoneWindow::instance().presentModal(std::static_pointer_cast<View>(shared_from_this()), animated);
}

void ScannerView::dismiss(bool animated) {
    if (!d()->presented)
        return;
    d()->presented = false;
    PhoneWindow::instance().dismissModal(std::static_pointer_cast<View>(shared_from_this()), animated);
}

bool ScannerView::isPresented() const {
    return d()->presented;
}

std::optional<std::string> ScannerView::decodeQrCode(const std::string& imagePath) {
    QImage image(toQString(imagePath));
    if (image.isNull())
        return std::nullopt;
    QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                          static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    auto result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    return result.text();
}

bool ScannerView::scanImageFile(const std::string& path) {
    auto keep = retainView(this);
    auto text = decodeQrCode(path);
    if (!text) {
        d()->notice->setText(fileExists(path) ? "图片中没有可识别的二维码" : "无法打开图片");
        return false;
    }
    d()->notice->setText({});
    if (!d()->soundName.empty()) {
        ++d()->sounds;
        playSound(resourcePath(d()->soundName + "." + d()->soundType));
    }
    logf("scanned: {}", *text);
    if (d()->delegate)
        d()->delegate->scannerDidReadResult(*this, *text);
    return true;
}

void ScannerView::cancel() {
    auto keep = retainView(this);
    if (d()->delegate)
        d()->delegate->scannerDidCancel(*this);
}

void ScannerView::chooseImage() {
    auto keep = retainView(this);
    QString file = QFileDialog::getOpenFileName(nullptr, "选择二维码图片", QString(),
                                                "图片 (*.png *.jpg *.jpeg *.bmp *.gif)");
    if (!file.isEmpty())
        scanImageFile(fromQString(file));
}

std::string ScannerView::notice() const {
    return d()->notice->text();
}

int ScannerView::soundsPlayed() const {
    return d()->sounds;
}

} // namespace platform::ui

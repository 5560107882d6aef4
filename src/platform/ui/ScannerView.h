// The code scanner: presented over the screen with a cancel button; reads the
// first QR code in an image and tells its delegate the decoded text, or that
// the rider cancelled. There is no camera here: the image comes from a file
// chooser, a file dropped on the window, or a test.
//
//   m_scanner = ui::ScannerView::create(this);
//   m_scanner->setSoundToPlay("beep-beep", "aiff");
//   m_scanner->present(true);
#pragma once

#include "platform/ui/View.h"

#include <optional>

namespace platform::ui {

class ScannerView;

class ScannerViewDelegate {
public:
    virtual ~ScannerViewDelegate() = default;
    virtual void scannerDidReadResult(ScannerView&, const std::string& text) = 0;
    virtual void scannerDidCancel(ScannerView&) = 0;
};

enum class ScannerReader { QRCode };

class ScannerView : public View {
public:
    static std::shared_ptr<ScannerView> create(ScannerViewDelegate* delegate, bool showsCancelButton = true);
    ScannerView(ScannerViewDelegate* delegate, bool showsCancelButton);
    ~ScannerView() override;

    void setDelegate(ScannerViewDelegate* delegate); // not owned
    void setReaders(const std::vector<ScannerReader>& readers);
    // A resource sound ("beep-beep", "aiff") played after a successful read
    // where the machine has a sound player; silence otherwise.
    void setSoundToPlay(const std::string& name, const std::string& type);

    // Modal presentation over the whole screen, and its end.
    void present(bool animated);
    void dismiss(bool animated);
    bool isPresented() const;

    // Reads the image file; on success the delegate hears the text and true
    // is answered. An image without a code shows a notice on the scanner.
    bool scanImageFile(const std::string& path);
    // The cancel button's action.
    void cancel();
    // Opens the file chooser (interactive use only).
    void chooseImage();
    // The notice shown now ("" when none).
    std::string notice() const;
    // How many times the success sound was asked for.
    int soundsPlayed() const;

    // The first QR code in an image file, or none.
    static std::optional<std::string> decodeQrCode(const std::string& imagePath);

    std::string className() const override { return "ScannerView"; }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

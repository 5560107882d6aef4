#include "platform/Paths.h"
#include "platform/ui/ScannerView.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform::ui;

namespace {

// The root screen's side of scanning: close the scanner, keep the text.
struct Root : ScannerViewDelegate {
    std::vector<std::string> results;
    int cancels{0};
    void scannerDidReadResult(ScannerView& scanner, const std::string& text) override {
        scanner.dismiss(false);
        results.push_back(text);
    }
    void scannerDidCancel(ScannerView& scanner) override {
        ++cancels;
        scanner.dismiss(true);
    }
};

std::string makeCode(const std::string& name, const std::string& text) {
    const std::string file = platform::documentsPath(name);
    const std::string command = "qrencode -o '" + file + "' '" + text + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return file;
}

} // namespace

TEST(ScannerViewTest, DecodesACodeMadeByQrencode) {
    TestDriver driver;
    Root root;
    const std::string text = "http://tansu.cn/00S011234567";
    const auto file = makeCode("shop-code.png", text);
    EXPECT_EQ(ScannerView::decodeQrCode(file), text);

    auto scanner = ScannerView::create(&root);
    scanner->setReaders({ScannerReader::QRCode});
    scanner->setSoundToPlay("beep-beep", "aiff");
    scanner->present(true);
    driver.advance(0.4);
    EXPECT_EQ(scanner->frame(), (Rect{0, 20, 320, 460}));
    EXPECT_TRUE(driver.findByText("取消"));

    EXPECT_TRUE(driver.scanImage(file));
    EXPECT_EQ(root.results, std::vector<std::string>{text});
    EXPECT_EQ(scanner->soundsPlayed(), 1);
    EXPECT_FALSE(scanner->isPresented());
    EXPECT_EQ(scanner->superview(), nullptr); // closed without animation
}

TEST(ScannerViewTest, ImageWithoutCodeShowsANoticeAndCancelReachesTheDelegate) {
    TestDriver driver;
    Root root;
    auto scanner = ScannerView::create(&root);
    scanner->present(false);

    const std::string blank = platform::documentsPath("blank.png");
    ASSERT_TRUE(driver.screenshot(blank)); // the scanner itself: no code in it
    EXPECT_FALSE(driver.scanImage(blank));
    EXPECT_EQ(scanner->notice(), "图片中没有可识别的二维码");
    EXPECT_FALSE(driver.scanImage(platform::documentsPath("missing.png")));
    EXPECT_EQ(scanner->notice(), "无法打开图片");
    EXPECT_TRUE(root.results.empty());
    EXPECT_EQ(ScannerView::decodeQrCode(blank), std::nullopt);

    EXPECT_TRUE(driver.tapText("取消"));
    EXPECT_EQ(root.cancels, 1);
    EXPECT_FALSE(scanner->isPresented());
    driver.advance(0.4);
    EXPECT_EQ(scanner->superview(), nullptr);
    EXPECT_FALSE(driver.scanImage(blank));
}

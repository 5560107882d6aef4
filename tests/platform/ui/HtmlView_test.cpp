#include "platform/Paths.h"
#include "platform/SystemUrl.h"
#include "platform/ui/HtmlView.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform::ui;

namespace {

struct PlanScreen : HtmlViewDelegate {
    int finished{0};
    std::vector<std::string> tappedPaths;
    bool webViewShouldStartLoad(HtmlView&, const UrlRequest& request, NavigationType type) override {
        if (type != NavigationType::LinkClicked)
            return true;
        tappedPaths.push_back(request.path);
        return false;
    }
    void webViewDidFinishLoad(HtmlView& view) override {
        ++finished;
        view.stringByEvaluatingJavaScript("document.body.style.webkitTouchCallout='none';");
    }
};

const char* kPlan = "<span style=\"font-weight:bolder\">方案1（1 次换乘）</span><br />"
                    "在 <a href=\"0火车站\">火车站</a>  乘坐 <a href=\"1K1\">K1</a> 路"
                    "到 <a href=\"0人民广场\">人民广场</a>  <a href=\"0广场东\">（广场东）</a>  下车。<br />"
                    "在 <a href=\"0人民广场\">人民广场</a>  步行 到 <a href=\"0体育馆\">体育馆</a> <br />";

} // namespace

TEST(HtmlViewTest, RefusedLinkIsNotFollowedAndItsPathReachesTheDelegate) {
    TestDriver driver;
    platform::SystemUrl::setTestModeEnabled(true);
    PlanScreen screen;
    auto view = HtmlView::create({0, 60, 320, 300});
    view->setDelegate(&screen);
    view->loadHTMLString(kPlan);
    driver.root()->addSubview(view);
    EXPECT_TRUE(view->isLoading());
    EXPECT_EQ(screen.finished, 0); // reported on a later turn of the loop
    driver.runUntilIdle();
    EXPECT_EQ(screen.finished, 1);
    EXPECT_FALSE(view->isLoading());
    EXPECT_EQ(view->evaluatedScripts(),
              std::vector<std::string>{"document.body.style.webkitTouchCallout='none';"});

    EXPECT_EQ(view->links(),
              (std::vector<std::string>{"0火车站", "1K1", "0人民广场", "0广场东", "0人民广场", "0体育馆"}));
    // Runs of spaces read as one, as in any web view.
    EXPECT_NE(view->plainText().find("在 火车站 乘坐 K1 路"), std::string::npos) << view->plainText();
    EXPECT_NE(view->plainText().find("步行 到"), std::string::npos);

    EXPECT_TRUE(driver.tapLink(*view, "0广场东"));
    EXPECT_TRUE(driver.tapLink(*view, "1K1"));
    EXPECT_FALSE(driver.tapLink(*view, "0不存在"));
    EXPECT_EQ(screen.tappedPaths, (std::vector<std::string>{"/0广场东", "/1K1"}));
    EXPECT_TRUE(view->followedLinks().empty());
    EXPECT_TRUE(platform::SystemUrl::openedUrls().empty());

    // An approved web link goes to the system.
    view->setDelegate(nullptr);
    view->loadHTMLString("<a href=\"http://example.org/shop\">商家</a>");
    driver.runUntilIdle();
    EXPECT_TRUE(driver.tapLink(*view, "http://example.org/shop"));
    EXPECT_EQ(platform::SystemUrl::openedUrls(), std::vector<std::string>{"http://example.org/shop"});
    platform::SystemUrl::setTestModeEnabled(false);
}

TEST(HtmlViewTest, FittedHeightGrowsWithTheContentAndANewLoadReportsOnce) {
    TestDriver driver;
    PlanScreen screen;
    auto view = HtmlView::create({0, 0, 320, 10});
    view->setDelegate(&screen);
    view->loadHTMLString("一行");
    const double one = view->contentHeight();
    view->loadHTMLString("一行<br /><br />两行<br /><br />三行");
    driver.runUntilIdle();
    // Only the latest load reports its end.
    EXPECT_EQ(screen.finished, 1);
    const double three = view->contentHeight();
    EXPECT_GT(one, 10);
    EXPECT_GT(three, one * 2);
    // Narrower means taller for long text.
    view->loadHTMLString(std::string(60, 'x') + " " + std::string(60, 'y'));
    EXPECT_GT(view->contentHeightForWidth(100), view->contentHeightForWidth(320));
}

TEST(HtmlViewTest, ShowsImagesFromTheDocumentsFolder) {
    TestDriver driver;
    auto view = HtmlView::create({0, 0, 320, 10});
    view->loadHTMLString("<p>图片</p>");
    const double without = view->contentHeight();
    const std::string file = platform::documentsPath("shop-pic.png");
    ASSERT_EQ(std::system(("qrencode -s 10 -o '" + file + "' 'picture'").c_str()), 0);
    view->loadHTMLString("<p>图片</p><img src=\"shop-pic.png\" />");
    EXPECT_GT(view->contentHeight(), without + 100);
}

TEST(HtmlViewTest, ViewGoneBeforeItsLoadEndsReportsNothing) {
    TestDriver driver;
    PlanScreen screen;
    {
        auto view = HtmlView::create({0, 0, 320, 10});
        view->setDelegate(&screen);
        view->loadHTMLString(kPlan);
    }
    driver.runUntilIdle();
    EXPECT_EQ(screen.finished, 0);
}

// A view that shows an HTML string (links, <br />, bold spans, &nbsp;,
// images from the documents folder), reports when loading has finished and
// its fitted content height, and asks its delegate before following a link.
//
//   m_webView = ui::HtmlView::create(ui::Rect { 0, 40, 320, 360 });
//   m_webView->setDelegate(this);
//   m_webView->loadHTMLString(m_htmlString);
//
//   bool webViewShouldStartLoad(ui::HtmlView&, const ui::UrlRequest& request, ui::NavigationType type)
//   override
//   {
//       if (type != ui::NavigationType::LinkClicked) return true;
//       showMenuFor(request.path); // "/0火车站"
//       return false;
//   }
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

class HtmlView;

enum class NavigationType { LinkClicked, Other };

struct UrlRequest {
    std::string url; // the full address, resolved against the base
    std::string scheme;
    std::string path; // decoded; a relative target "0name" reads "/0name"
};

class HtmlViewDelegate {
public:
    virtual ~HtmlViewDelegate() = default;
    // Answer false to keep the view from following (or loading) the address.
    virtual bool webViewShouldStartLoad(HtmlView&, const UrlRequest&, NavigationType) { return true; }
    virtual void webViewDidStartLoad(HtmlView&) {}
    virtual void webViewDidFinishLoad(HtmlView&) {}
};

class HtmlView : public View {
public:
    static std::shared_ptr<HtmlView> create(Rect frame = {});
    explicit HtmlView(Rect frame = {});
    ~HtmlView() override;

    void setDelegate(HtmlViewDelegate* delegate); // not owned
    // Loads the markup; the delegate hears webViewDidFinishLoad on a later
    // turn of the loop. Relative image sources are looked up in the base
    // folder (when given), the documents folder and the resources.
    void loadHTMLString(const std::string& html, const std::string& baseUrl = {});
    bool isLoading() const;
    std::string html() const;
    // The page's text as a rider reads it.
    std::string plainText() const;
    // The link targets in the page, in order.
    std::vector<std::string> links() const;
    // The height of the content laid out at the view's width.
    double contentHeight() const;
    double contentHeightForWidth(double width) const;
    void setScrollEnabled(bool enabled);
    // There is no script engine; the script is kept for reading back and the
    // answer is empty.
    std::string stringByEvaluatingJavaScript(const std::string& script);
    std::vector<std::string> evaluatedScripts() const;

    // Follows a link as a tap on it would: the delegate decides; a followed
    // web, mail or phone address goes to the system. False when refused.
    bool activateLink(const std::string& href);
    // The addresses followed so far (approved taps).
    std::vector<std::string> followedLinks() const;

    std::string className() const override { return "HtmlView"; }
    std::string displayedText() const override { return plainText(); }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

#include "platform/ui/HtmlView.h"

#include "platform/Paths.h"
#include "platform/RunLoop.h"
#include "platform/SystemUrl.h"
#include "platform/ui/ViewPrivate.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

namespace platform::ui {

namespace {

// Links that carry no base resolve against a page of the view's own, so that
// the target "0火车站" has the path "/0火车站".
const char* kLocalBase = "applewebdata://local/";

} // namespace

struct HtmlView::Data : View::Impl {
    QTextBrowser* browser{nullptr};
    HtmlViewDelegate* delegate{nullptr};
    std::string html;
    std::string base;
    bool loading{false};
    int loadGeneration{0};
    std::vector<std::string> scripts;
    std::vector<std::string> followed;
    ViewWidget* makeWidget() override;
};

namespace {

class HtmlWidget : public ViewWidget {
public:
    explicit HtmlWidget(HtmlView::Data* data) : ViewWidget(data) {
        data->browser = new QTextBrowser(this);
        data->browser->setOpenLinks(false);
        data->browser->setOpenExternalLinks(false);
        data->browser->setFrameShape(QFrame::NoFrame);
        data->browser->setStyleSheet("QTextBrowser { background: transparent; border: none; }");
        data->browser->viewport()->setAutoFillBackground(false);
        data->browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        data->browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        data->browser->document()->setDocumentMargin(8);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        if (auto* d = static_cast<HtmlView::Data*>(m_impl))
            d->browser->setGeometry(0, 0, width(), height());
    }
};

UrlRequest makeRequest(const std::string& href, const std::string& base) {
    QUrl baseUrl(toQString(base.empty() ? std::string(kLocalBase) : base));
    QUrl url = baseUrl.resolved(QUrl(toQString(href)));
    UrlRequest request;
    request.url = fromQString(url.toString());
    request.scheme = fromQString(url.scheme());
    request.path = fromQString(url.path(QUrl::FullyDecoded));
    return request;
}

} // namespace

ViewWidget* HtmlView::Data::makeWidget() {
    auto* widget = new HtmlWidget(this);
    QObject::connect(browser, &QTextBrowser::anchorClicked, widget, [this](const QUrl& url) {
        static_cast<HtmlView*>(owner)->activateLink(fromQString(url.toString()));
    });
    return widget;
}

std::shared_ptr<HtmlView> HtmlView::create(Rect frame) {
    return std::make_shared<HtmlView>(frame);
}

HtmlView::HtmlView(Rect frame) : View(std::make_unique<Data>(), frame) {
    setBackgroundColor(Color::white());
    d()->browser->setFont(toQFont(Font::systemFont(16)));
    d()->browser->document()->setDefaultFont(toQFont(Font::systemFont(16)));
}

HtmlView::~HtmlView() {
    QObject::disconnect(d()->browser, nullptr, nullptr, nullptr);
}

HtmlView::Data* HtmlView::d() const {
    return static_cast<Data*>(impl());
}

void HtmlView::setDelegate(HtmlViewDelegate* delegate) {
    d()->delegate = delegate;
}

void HtmlView::loadHTMLString(const std::string& html, const std::string& baseUrl) {
    auto keep = retainView(this);
    auto* data = d();
    if (data->delegate &&
        !data->delegate->webViewShouldStartLoad(
            *this, makeRequest(baseUrl.empty() ? kLocalBase : baseUrl, baseUrl), NavigationType::Other))
        return;
    data->html = html;
    data->base = baseUrl;
    data->loading = true;
    QStringList paths;
    if (!baseUrl.empty()) {
        QUrl base(toQString(baseUrl));
        if (base.isLocalFile())
            paths << base.toLocalFile();
    }
    paths << toQString(documentsDirectory()) << toQString(resourceDirectory());
    data->browser->setSearchPaths(paths);
    // The text engine knows "bold" but not the relative "bolder".
    QString markup = toQString(html);
    static const QRegularExpression bolder("font-weight\\s*:\\s*bolder",
                                           QRegularExpression::CaseInsensitiveOption);
    markup.replace(bolder, "font-weight:bold");
    data->browser->setHtml(markup);
    if (data->delegate)
        data->delegate->webViewDidStartLoad(*this);
    // The page reports its end on a later turn of the loop, as a real load would.
    const int generation = ++data->loadGeneration;
    std::weak_ptr<View> weak = weak_from_this();
    performOnMain([weak, generation] {
        auto view = std::static_pointer_cast<HtmlView>(weak.lock());
        if (!view || view->d()->loadGeneration != generation)
            return;
        view->d()->loading = false;
        if (view->d()->delegate)
            view->d()->delegate->webViewDidFinishLoad(*view);
    });
}

bool HtmlView::isLoading() const {
    return d()->loading;
}

std::string HtmlView::html() const {
    return d()->html;
}

std::string HtmlView::plainText() const {
    // Non-breaking spaces read as spaces.
    QString text = d()->browser->document()->toPlainText();
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return fromQString(text);
}

std::vector<std::string> HtmlView::links() const {
    std::vector<std::string> out;
    for (auto block = d()->browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            auto format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                auto href = fromQString(format.anchorHref());
                if (out.empty() || out.back() != href)
                    out.push_back(href);
            }
        }
    }
    return out;
}

double HtmlView::contentHeightForWidth(double width) const {
    // Measured on the page itself: its images are loaded through the view.
    auto* document = d()->browser->document();
    const double old = document->textWidth();
    document->setTextWidth(width);
    const double height = document->size().height();
    document->setTextWidth(old);
    return std::ceil(height);
}

double HtmlView::contentHeight() const {
    return contentHeightForWidth(frame().width);
}

void HtmlView::setScrollEnabled(bool enabled) {
    // No bar is drawn either way (the phone shows none at rest); a page that
    // may not scroll ignores the wheel.
    d()->browser->verticalScrollBar()->setEnabled(enabled);
}

std::string HtmlView::stringByEvaluatingJavaScript(const std::string& script) {
    d()->scripts.push_back(script);
    return {};
}

std::vector<std::string> HtmlView::evaluatedScripts() const {
    return d()->scripts;
}

bool HtmlView::activateLink(const std::string& href) {
    auto keep = retainView(this);
    auto request = makeRequest(href, d()->base);
    if (d()->delegate && !d()->delegate->webViewShouldStartLoad(*this, request, NavigationType::LinkClicked))
        return false;
    d()->followed.push_back(request.url);
    if (request.scheme == "http" || request.scheme == "https" || request.scheme == "mailto" ||
        request.scheme == "tel" || request.scheme == "telprompt")
        platform::openURL(request.url);
    return true;
}

std::vector<std::string> HtmlView::followedLinks() const {
    return d()->followed;
}

} // namespace platform::ui

// A page: owns its view, made on first use (the page's own set-up runs then,
// as when a page is loaded from its interface file).
//
//   class SubMoreAbout : public ui::ViewController {
//       std::shared_ptr<ui::View> loadView() override { ... build the page ... }
//       void viewDidLoad() override { resetVersion(); }
//   };
#pragma once

#include "platform/ui/PhoneWindow.h"
#include "platform/ui/View.h"

namespace platform::ui {

class ViewController {
public:
    virtual ~ViewController();

    // The page's view; the first call builds it and runs viewDidLoad().
    std::shared_ptr<View> view();
    bool isViewLoaded() const { return m_view != nullptr; }

    // Presents the page modally over the screen, and takes it away.
    void presentModally(bool animated);
    void dismissModally(bool animated);

protected:
    // Builds the view; the default is a plain 320 x 460 page.
    virtual std::shared_ptr<View> loadView();
    virtual void viewDidLoad() {}

private:
    std::shared_ptr<View> m_view;
};

} // namespace platform::ui

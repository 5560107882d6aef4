// A screen: owns its view, made on first use by loadView() and then set up by
// viewDidLoad(), as pages are made from their interface files the first time
// they are needed and kept for the rest of the run.
#pragma once

#include "platform/ui/View.h"

#include <memory>

class ViewController {
public:
    virtual ~ViewController() = default;

    // The page's view; the first call loads it.
    std::shared_ptr<platform::ui::View> view();
    bool isViewLoaded() const { return m_view != nullptr; }

protected:
    ViewController() = default;
    // Makes the bare view: 320 x 460 points unless a page says otherwise.
    virtual std::shared_ptr<platform::ui::View> loadView();
    virtual void viewDidLoad() {}

private:
    std::shared_ptr<platform::ui::View> m_view;
};

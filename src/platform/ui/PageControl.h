// The row of dots under a paged scroll view.
#pragma once

#include "platform/ui/View.h"

#include <functional>

namespace platform::ui {

class PageControl : public View {
public:
    static std::shared_ptr<PageControl> create(Rect frame = {});
    explicit PageControl(Rect frame = {});
    ~PageControl() override;

    int numberOfPages() const;
    void setNumberOfPages(int pages);
    int currentPage() const;
    void setCurrentPage(int page);
    void setHidesForSinglePage(bool hides);
    // A tap right or left of the current dot moves one page and reports it.
    void setOnPageChanged(std::function<void(PageControl&)> fn);

    std::string className() const override { return "PageControl"; }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

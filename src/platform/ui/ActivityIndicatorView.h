// The small spinning wheel of waiting: on alerts, the progress overlay and the
// pull-to-refresh header. Hidden while stopped unless told otherwise.
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

enum class ActivityIndicatorStyle { White, Gray, WhiteLarge };

class ActivityIndicatorView : public View {
public:
    // 20 x 20 points (37 x 37 for the large style) at the origin.
    static std::shared_ptr<ActivityIndicatorView>
    create(ActivityIndicatorStyle style = ActivityIndicatorStyle::White);
    explicit ActivityIndicatorView(ActivityIndicatorStyle style = ActivityIndicatorStyle::White);
    ~ActivityIndicatorView() override;

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const;
    void setHidesWhenStopped(bool hides);
    void setStyle(ActivityIndicatorStyle style);

    std::string className() const override { return "ActivityIndicatorView"; }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

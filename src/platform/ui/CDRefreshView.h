// The pull-to-refresh header of the lists: laid just above a list's content
// (y = -65, 65 points high, as wide as the list) with an arrow, a small
// activity indicator, a title and a "last updated" line.
//
// States: 1 normal ("下拉可以刷新", arrow down), 2 ready ("松开即可刷新", arrow
// turned by half a turn), 3 loading ("加载中...", arrow hidden, indicator on).
//
//   m_refreshView = ui::CDRefreshView::attachTo(*m_tableView);
//   void scrollViewDidScroll(ui::ScrollView& sv) override { m_refreshView->followScroll(sv); }
//   void scrollViewDidEndDraggingWillDecelerate(ui::ScrollView&, bool) override
//   {
//       if (m_refreshView->canBeDoing()) reloadNews();
//   }
#pragma once

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

namespace platform::ui {

class CDRefreshView : public View {
public:
    static constexpr double kHeight = 65;
    enum State { Normal = 1, Ready = 2, Loading = 3 };

    static std::shared_ptr<CDRefreshView> create(Rect frame);
    // Makes a header as wide as the list and lays it above the list's content.
    static std::shared_ptr<CDRefreshView> attachTo(ScrollView& list);
    explicit CDRefreshView(Rect frame);
    ~CDRefreshView() override;

    // Does nothing when the state is unchanged.
    void updateRefreshState(int state);
    int refreshState() const;
    bool canBeDoing() const { return refreshState() == Ready; }
    bool isDoing() const { return refreshState() == Loading; }
    // The detail line becomes "最后更新: <text>".
    void setLastUpdate(const std::string& text);

    // For list screens, from their scroll callbacks: ready while the list is
    // pulled down by more than the header's height, normal otherwise (a
    // loading header is left alone).
    void followScroll(const ScrollView& list);

    std::shared_ptr<Label> titleLabel() const;
    std::shared_ptr<Label> detailLabel() const;
    std::shared_ptr<ImageView> arrowView() const;
    std::shared_ptr<ActivityIndicatorView> activityView() const;
    // The arrow's turn in degrees as shown now (0 down, 180 up).
    double arrowAngle() const;

    std::string className() const override { return "CDRefreshView"; }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

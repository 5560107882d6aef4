// Alerts and choice sheets. Both are non-modal for the code: show() returns at
// once and the receiver hears of the pressed button later, by index. They
// float above every screen until a button is pressed or the code dismisses
// them.
//
//   auto alert = ui::AlertView::create("提示", "网络连接失败", nullptr, "确定");
//   alert->show();
//
//   auto sheet = ui::ActionSheet::create("请选择公交线路", this);
//   for (auto& line : lines) sheet->addButtonWithTitle(line);
//   sheet->setCancelButtonIndex(sheet->addButtonWithTitle("取消"));
//   sheet->showInView(*view());
#pragma once

#include "platform/ui/View.h"

#include <functional>
#include <string>
#include <vector>

namespace platform::ui {

class AlertView;
class ActionSheet;

class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    // A button was pressed by the rider (not called for dismissal by code).
    virtual void alertViewClickedButtonAtIndex(AlertView&, int) {}
    // The alert left the screen, by a press or by code.
    virtual void alertViewDidDismissWithButtonIndex(AlertView&, int) {}
};

class ActionSheetDelegate {
public:
    virtual ~ActionSheetDelegate() = default;
    virtual void actionSheetClickedButtonAtIndex(ActionSheet&, int) {}
    virtual void actionSheetDidDismissWithButtonIndex(ActionSheet&, int) {}
};

class AlertView : public View {
public:
    // The cancel button (when given) has index 0 and the others follow in
    // order. An alert may have no buttons at all (a waiting alert).
    static std::shared_ptr<AlertView> create(const std::string& title, const std::string& message,
                                             AlertViewDelegate* delegate = nullptr,
                                             const std::string& cancelButtonTitle = {},
                                             const std::vector<std::string>& otherButtonTitles = {});
    AlertView(const std::string& title, const std::string& message);
    ~AlertView() override;

    std::string title() const;
    std::string message() const;
    void setDelegate(AlertViewDelegate* delegate); // not owned
    // Called with the pressed index after the delegate.
    void setOnClick(std::function<void(AlertView&, int)> fn);
    int addButtonWithTitle(const std::string& title);
    int numberOfButtons() const;
    std::string buttonTitleAtIndex(int index) const;
    int cancelButtonIndex() const; // -1 when there is none
    void setCancelButtonIndex(int index);

    void show();
    bool isVisible() const;
    // Dismisses without telling the receiver of a press.
    void dismissWithClickedButtonIndex(int index, bool animated);
    // As the rider's press: the receiver hears of it, then the alert goes.
    bool pressButtonAtIndex(int index);

    // The alerts showing now, oldest first.
    static std::vector<std::shared_ptr<AlertView>> visibleAlerts();

    std::string className() const override { return "AlertView"; }
    std::string displayedText() const override { return title(); }

    struct Data;

private:
    Data* d() const;
    void layout();
};

class ActionSheet : public View {
public:
    // Buttons by index: the destructive one (when given), the others in
    // order, then the cancel button last.
    static std::shared_ptr<ActionSheet> create(const std::string& title,
                                               ActionSheetDelegate* delegate = nullptr,
                                               const std::string& cancelButtonTitle = {},
                                               const std::string& destructiveButtonTitle = {},
                                               const std::vector<std::string>& otherButtonTitles = {});
    explicit ActionSheet(const std::string& title);
    ~ActionSheet() override;

    std::string title() const;
    void setDelegate(ActionSheetDelegate* delegate); // not owned
    void setOnClick(std::function<void(ActionSheet&, int)> fn);
    int addButtonWithTitle(const std::string& title);
    int numberOfButtons() const;
    std::string buttonTitleAtIndex(int index) const;
    int cancelButtonIndex() const;
    void setCancelButtonIndex(int index);
    int destructiveButtonIndex() const;

    // Shown at the bottom of the window over everything, whatever view is named.
    void showInView(View& view);
    void show();
    bool isVisible() const;
    void dismissWithClickedButtonIndex(int index, bool animated);
    bool pressButtonAtIndex(int index);

    static std::vector<std::shared_ptr<ActionSheet>> visibleSheets();

    std::string className() const override { return "ActionSheet"; }
    std::string displayedText() const override { return title(); }

    struct Data;

private:
    Data* d() const;
    void layout();
};

} // namespace platform::ui

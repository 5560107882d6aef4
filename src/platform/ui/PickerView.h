// A wheel of choices (one column). The rows come from the delegate; a tap on
// a row selects it and tells the delegate.
//
//   m_picker = ui::PickerView::create(ui::Rect { 0, 0, 320, 180 });
//   m_picker->setDelegate(this);
//   ... m_picker->selectedRow()
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

class PickerView;

class PickerViewDelegate {
public:
    virtual ~PickerViewDelegate() = default;
    virtual int pickerViewNumberOfRows(PickerView&) = 0;
    virtual std::string pickerViewTitleForRow(PickerView&, int row) = 0;
    virtual void pickerViewDidSelectRow(PickerView&, int) {}
};

class PickerView : public View {
public:
    static constexpr double kRowHeight = 36;
    static std::shared_ptr<PickerView> create(Rect frame = {0, 0, 320, 180});
    explicit PickerView(Rect frame = {0, 0, 320, 180});
    ~PickerView() override;

    void setDelegate(PickerViewDelegate* delegate); // not owned
    void reloadAllComponents();
    int numberOfRows() const;
    std::string titleForRow(int row) const;
    int selectedRow() const;
    void selectRow(int row, bool animated = false);
    // As a rider's choice: selects the row and tells the delegate.
    bool chooseRow(int row);

    std::string className() const override { return "PickerView"; }
    std::string displayedText() const override { return titleForRow(selectedRow()); }

    struct Data;

private:
    Data* d() const;
};

} // namespace platform::ui

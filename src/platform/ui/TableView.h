// A list of rows (one section) fed by a data source, with a delegate for row
// heights and selection. Cells have a text, a detail text, an image, an
// accessory and a content view for custom subviews.
//
//   table->setDataSource(this);
//   table->setDelegate(this);
//   table->reloadData();
//
//   std::shared_ptr<ui::TableViewCell> tableViewCellForRow(ui::TableView&, int row) override
//   {
//       auto cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default);
//       cell->textLabel()->setText(m_arrayTitle[row]);
//       cell->setAccessoryType(ui::TableViewCellAccessory::DisclosureIndicator);
//       return cell;
//   }
#pragma once

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

namespace platform::ui {

class TableView;

enum class TableViewCellStyle {
    Default,  // text (and image) on the left
    Value1,   // text on the left, detail on the right in grey
    Value2,   // detail as a small blue caption before the text
    Subtitle, // text with the detail under it
};
enum class TableViewCellAccessory { None, DisclosureIndicator, DetailDisclosureButton, Checkmark };
enum class TableViewCellSelectionStyle { None, Blue, Gray };
enum class TableViewSeparatorStyle { None, SingleLine };
enum class TableViewStyle { Plain, Grouped };

class TableViewCell : public View {
public:
    static std::shared_ptr<TableViewCell> create(TableViewCellStyle style = TableViewCellStyle::Default,
                                                 const std::string& reuseIdentifier = {});
    explicit TableViewCell(TableViewCellStyle style = TableViewCellStyle::Default,
                           const std::string& reuseIdentifier = {});
    ~TableViewCell() override;

    std::shared_ptr<Label> textLabel() const;
    std::shared_ptr<Label> detailTextLabel() const;
    std::shared_ptr<ImageView> imageView() const;
    // Custom subviews go here; it fills the cell left of the accessory.
    std::shared_ptr<View> contentView() const;
    TableViewCellStyle style() const;
    const std::string& reuseIdentifier() const;

    TableViewCellAccessory accessoryType() const;
    void setAccessoryType(TableViewCellAccessory accessory);
    // A view in the accessory's place (right edge, centred vertically).
    void setAccessoryView(std::shared_ptr<View> view);
    std::shared_ptr<View> accessoryView() const;
    void setSelectionStyle(TableViewCellSelectionStyle style);
    TableViewCellSelectionStyle selectionStyle() const;
    bool isSelected() const;
    void setSelected(bool selected, bool animated = false);

    std::string className() const override { return "TableViewCell"; }
    std::string displayedText() const override;

    struct Data;

protected:
    void layoutSubviews() override;

private:
    friend class TableView;
    Data* d() const;
};

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int tableViewNumberOfRows(TableView&) = 0;
    virtual std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, int row) = 0;
};

class TableViewDelegate : public ScrollViewDelegate {
public:
    // A negative answer means the table's rowHeight().
    virtual double tableViewHeightForRow(TableView&, int) { return -1; }
    virtual void tableViewDidSelectRow(TableView&, int) {}
};

class TableView : public ScrollView {
public:
    static std::shared_ptr<TableView> create(Rect frame = {}, TableViewStyle style = TableViewStyle::Plain);
    explicit TableView(Rect frame = {}, TableViewStyle style = TableViewStyle::Plain);
    ~TableView() override;

    void setDataSource(TableViewDataSource* dataSource); // not owned
    // Also the scroll view's delegate.
    void setDelegate(TableViewDelegate* delegate); // not owned
    TableViewDelegate* tableDelegate() const;

    // Asks the data source again for every row.
    void reloadData();
    int numberOfRows() const;
    // The cell of a row (null when out of range); all rows have cells.
    std::shared_ptr<TableViewCell> cellForRow(int row) const;
    Rect rectForRow(int row) const;
    int rowAtPoint(Point point) const; // content coordinates; -1 when none

    double rowHeight() const;
    void setRowHeight(double height);
    void setSeparatorStyle(TableViewSeparatorStyle style);
    void setSeparatorColor(Color color);
    void setAllowsSelection(bool allows);
    bool allowsSelection() const;

    // As a rider's tap: highlights the row and tells the delegate.
    bool selectRowByTap(int row);
    void selectRow(int row, bool animated = false);
    void deselectRow(int row, bool animated = false);
    int indexForSelectedRow() const; // -1 when none

    void setFrame(Rect frame) override;
    std::string className() const override { return "TableView"; }

    struct Data;

private:
    Data* d() const;
    void layoutRows();
};

} // namespace platform::ui

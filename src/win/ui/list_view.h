#pragma once
// List view in report mode: columns, rows of a caption and sub-item texts, one selected row.
// The rows are kept here as well, so they exist before the window and survive its remaking.
#include <string>
#include <vector>

#include "win/ui/std_controls.h"

namespace ui {

struct TListColumn {
    std::string caption;
    int width;
};

struct TListItem {
    std::string caption;
    std::vector<std::string> subItems;
};

class TListView : public TSystemControl {
public:
    explicit TListView(TComponent* AOwner);
    std::string ClassName() const override { return "TListView"; }

    void SetColumns(const std::vector<TListColumn>& columns);
    const std::vector<TListColumn>& Columns() const { return columns_; }
    // Read-only: captions cannot be edited in place. Whole-row and single selection are fixed.
    bool ReadOnly() const { return true; }

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const TListItem& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    void AddItem(const TListItem& item);
    void SetItem(int index, const TListItem& item);
    void DeleteItem(int index);
    void Clear();
    // The selected row, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

protected:
    void CreateParams(WindowParams& p) override;
    void CreateHandle() override;

private:
    void WriteRow(int index, bool insert);
    std::vector<TListColumn> columns_;
    std::vector<TListItem> items_;
    int itemIndex_ = -1;
};

}  // namespace ui

#include "win/ui/list_view.h"

#include <commctrl.h>

namespace ui {

TListView::TListView(TComponent* AOwner) : TSystemControl(AOwner) {
    InitCommonControlClasses();
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 250, 150);
}

void TListView::CreateParams(WindowParams& p) {
    CreateSystemParams(p, WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                       WS_EX_CLIENTEDGE);
}

void TListView::CreateHandle() {
    TSystemControl::CreateHandle();
    ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT);
    for (size_t i = 0; i < columns_.size(); ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.cx = columns_[i].width;
        col.pszText = const_cast<char*>(columns_[i].caption.c_str());
        col.iSubItem = static_cast<int>(i);
        ::SendMessageA(Handle(), LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
    }
    for (int i = 0; i < ItemCount(); ++i) WriteRow(i, true);
    if (itemIndex_ >= 0) SetItemIndex(itemIndex_);
}

void TListView::SetColumns(const std::vector<TListColumn>& columns) {
    columns_ = columns;
    RecreateWnd();
}

void TListView::WriteRow(int index, bool insert) {
    if (!HandleAllocated()) return;
    const TListItem& item = items_[static_cast<size_t>(index)];
    LVITEMA lv{};
    lv.mask = LVIF_TEXT;
    lv.iItem = index;
    lv.pszText = const_cast<char*>(item.caption.c_str());
    ::SendMessageA(Handle(), insert ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                   reinterpret_cast<LPARAM>(&lv));
    for (size_t s = 0; s < item.subItems.size(); ++s) {
        LVITEMA sub{};
        sub.mask = LVIF_TEXT;
        sub.iItem = index;
        sub.iSubItem = static_cast<int>(s + 1);
        sub.pszText = const_cast<char*>(item.subItems[s].c_str());
        ::SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&sub));
    }
}

void TListView::AddItem(const TListItem& item) {
    items_.push_back(item);
    WriteRow(ItemCount() - 1, true);
}

void TListView::SetItem(int index, const TListItem& item) {
    items_.at(static_cast<size_t>(index)) = item;
    WriteRow(index, false);
}

void TListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    if (HandleAllocated()) ::SendMessageA(Handle(), LVM_DELETEITEM, WPARAM(index), 0);
}

void TListView::Clear() {
    items_.clear();
    itemIndex_ = -1;
    if (HandleAllocated()) ::SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int TListView::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(
        ::SendMessageA(Handle(), LVM_GETNEXTITEM, WPARAM(-1), LPARAM(LVNI_SELECTED)));
}

void TListView::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    itemIndex_ = index;
    if (!HandleAllocated()) return;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    ::SendMessageA(Handle(), LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    if (index >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(Handle(), LVM_SETITEMSTATE, WPARAM(index), reinterpret_cast<LPARAM>(&state));
    }
}

}  // namespace ui

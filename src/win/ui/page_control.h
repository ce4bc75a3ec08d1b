#pragma once
// Page control over the system tab control; each sheet fills the tab control's display area.
#include <string>
#include <vector>

#include "win/ui/std_controls.h"

namespace ui {

class TTabSheet;

class TPageControl : public TSystemControl {
public:
    explicit TPageControl(TComponent* AOwner);
    std::string ClassName() const override { return "TPageControl"; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    // The area the sheets cover, in the page control's client coordinates.
    RECT DisplayRect() const;

protected:
    friend class TTabSheet;
    void CreateParams(WindowParams& p) override;
    void CreateHandle() override;
    void BoundsChanged() override;
    void InsertPage(TTabSheet* sheet);
    void RemovePage(TTabSheet* sheet);
    void LayoutPages();

private:
    std::vector<TTabSheet*> pages_;
};

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    std::string ClassName() const override { return "TTabSheet"; }
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* v);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& v);

protected:
    void CreateParams(WindowParams& p) override;

private:
    TPageControl* pageControl_ = nullptr;
    std::string caption_;
};

}  // namespace ui

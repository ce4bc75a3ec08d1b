#pragma once
// Components: named objects owned by other components and freed with their owner. The skin
// engine walks a form's owned components, so the list keeps creation order.
#include <functional>
#include <string>
#include <vector>

namespace ui {

class TObject {
  public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TObject {
  public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The class name the skin engine selects by ("TButton", "TLEDFontNum", ...).
    virtual std::string ClassName() const { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* FindComponent(const std::string& name) const;

    // Between being made as part of a form and the end of that form's making (its components
    // are made in its constructor): property writers may then only store their values.
    bool Loading() const { return loading_; }
    // Ends the loading of this component and of the loading components it owns, owned ones
    // first, each with Loaded. A form does this once its constructor has made everything;
    // components made at run time are never loading and get no Loaded.
    void FinishLoading();

    // Asks to be told (Notification) when `other` is freed, and tells it when this one is.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

  protected:
    // After the component and its owner's other components have been made and set up.
    virtual void Loaded() {}
    void BeginLoading() { loading_ = true; }
    // `component` is being freed: drop every reference to it.
    virtual void Notification(TComponent* component) {}
    // Frees the owned components now (newest first), while this object is still whole.
    void DestroyComponents();

  private:
    TComponent* owner_;
    std::string name_;
    int tag_ = 0;
    bool loading_ = false;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

}  // namespace ui

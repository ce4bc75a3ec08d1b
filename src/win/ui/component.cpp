#include "win/ui/component.h"

#include <algorithm>

namespace ui {

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
    if (owner_) {
        owner_->components_.push_back(this);
        loading_ = owner_->loading_;
    }
}

void TComponent::FinishLoading() {
    if (!loading_)
        return;                                          // made at run time, or finished already
    const std::vector<TComponent*> owned = components_;  // Loaded may make more
    for (TComponent* c : owned)
        if (std::find(components_.begin(), components_.end(), c) != components_.end())
            c->FinishLoading();
    loading_ = false;
    Loaded();
}

TComponent::~TComponent() {
    DestroyComponents();
    std::vector<TComponent*> notifies;
    notifies.swap(freeNotifies_);
    for (TComponent* c : notifies) {
        auto& back = c->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        c->Notification(this);
    }
    if (owner_) {
        auto& list = owner_->components_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void TComponent::DestroyComponents() {
    while (!components_.empty())
        delete components_.back();  // each unlinks itself
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (!name.empty() && c->name_ == name)
            return c;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
    auto& back = other->freeNotifies_;
    if (std::find(back.begin(), back.end(), this) == back.end())
        back.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), other),
                        freeNotifies_.end());
    auto& back = other->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

}  // namespace ui

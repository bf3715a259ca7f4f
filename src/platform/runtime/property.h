#pragma once

#include <utility>

namespace platform {

// Whatever holds properties hears of every write, so that it can repaint,
// move its window or re-arm its timer.
class PropertyOwner {
  public:
    virtual ~PropertyOwner() = default;
    virtual void propertyChanged() = 0;

  protected:
    PropertyOwner() = default;
    PropertyOwner(const PropertyOwner&) = default;
    PropertyOwner& operator=(const PropertyOwner&) = default;
    PropertyOwner(PropertyOwner&&) = default;
    PropertyOwner& operator=(PropertyOwner&&) = default;
};

// A control or form property: reads like a plain value, and every write
// notifies the owner. The owner must outlive the property.
template <class T>
class Property {
  public:
    Property(PropertyOwner& owner, T initial) : owner_(&owner), value_(std::move(initial)) {}
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;
    Property(Property&&) = delete;
    Property& operator=(Property&&) = delete;
    ~Property() = default;

    // Writing the value a property already has changes nothing, so nothing
    // is repainted or re-armed.
    Property& operator=(T value) {
        if (value_ == value) {
            return *this;
        }
        value_ = std::move(value);
        owner_->propertyChanged();
        return *this;
    }

    // Implicit on purpose: handlers read properties as values.
    // NOLINTNEXTLINE(google-explicit-constructor,hicpp-explicit-conversions)
    operator const T&() const { return value_; }
    const T& get() const { return value_; }

    friend bool operator==(const Property& p, const T& value) { return p.value_ == value; }

    // For the window system telling us where the user put a window: no echo back.
    void setQuietly(T value) { value_ = std::move(value); }

  private:
    PropertyOwner* owner_;
    T value_;
};

}  // namespace platform

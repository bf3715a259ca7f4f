#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>

#include "platform/runtime/mouse.h"
#include "platform/runtime/runtime_error.h"

namespace platform {

class Form;

// Controls sharing one name and one handler per event, which receives the
// member's index first. Members are created, and so stacked, in the order
// given.
template <class ControlType>
class ControlArray {
  public:
    using Design = typename ControlType::Design;

    ControlArray(Form& form, std::initializer_list<std::pair<int, Design>> members) {
        for (const auto& [index, design] : members) {
            auto member = std::make_unique<ControlType>(form, design);
            wire(*member, index);
            members_.emplace(index, std::move(member));
        }
    }

    ControlType& operator[](int index) const {
        const auto found = members_.find(index);
        if (found == members_.end()) {
            throw RuntimeError(RuntimeError::Code::NoSuchControl);
        }
        return *found->second;
    }

    std::function<void(int)> onClick;
    std::function<void(int, const MouseArgs&)> onMouseDown;
    std::function<void(int, const MouseArgs&)> onMouseMove;
    std::function<void(int, const MouseArgs&)> onMouseUp;

  private:
    void wire(ControlType& member, int index) {
        member.onClick = [this, index] {
            if (onClick) {
                onClick(index);
            }
        };
        member.onMouseDown = forward(onMouseDown, index);
        member.onMouseMove = forward(onMouseMove, index);
        member.onMouseUp = forward(onMouseUp, index);
    }

    auto forward(const std::function<void(int, const MouseArgs&)>& handler, int index) {
        return [&handler, index](const MouseArgs& args) {
            if (handler) {
                handler(index, args);
            }
        };
    }

    std::map<int, std::unique_ptr<ControlType>> members_;
};

}  // namespace platform

#pragma once
// A control array: one name, members from index 0. Asking for a member that does not exist
// raises the missing-member error rather than reaching past the end.

#include "model/runtime_error.h"

#include <string>
#include <vector>

namespace tesselka::forms {

template <class T>
class ControlArray {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}

    void push_back(T& member) { members_.push_back(&member); }
    int size() const { return static_cast<int>(members_.size()); }

    T& operator()(int index) const
    {
        if (index < 0 || index >= size())
            throw RuntimeError(ErrorCode::MissingMember, name_ + "(" + std::to_string(index) + ")");
        return *members_[index];
    }

    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    std::string name_;
    std::vector<T*> members_;
};

}  // namespace tesselka::forms

#pragma once

#include <map>
#include <memory>
#include <utility>

namespace lumetta {

// Members of one control array, by index. Indexes need not be contiguous.
template <typename T>
class ControlArray {
 public:
  ControlArray() = default;
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;
  // Members go in index order: menus drop their items fastest from the front.
  ~ControlArray() {
    while (!members_.empty()) members_.erase(members_.begin());
  }

  template <typename... Args>
  T& Load(int index, Args&&... args) {
    auto& slot = members_[index];
    slot = std::make_unique<T>(std::forward<Args>(args)..., index);
    return *slot;
  }
  void Unload(int index) { members_.erase(index); }
  bool Exists(int index) const { return members_.count(index) != 0; }
  T& operator()(int index) const { return *members_.at(index); }
  size_t Count() const { return members_.size(); }
  int UBound() const { return members_.empty() ? -1 : members_.rbegin()->first; }

  auto begin() const { return members_.begin(); }
  auto end() const { return members_.end(); }

 private:
  std::map<int, std::unique_ptr<T>> members_;
};

}  // namespace lumetta

#pragma once

#include <unknwn.h>

#include <utility>

namespace tornavel {

// A move-only owner of one reference to a COM object: it releases it when
// it goes.
template <typename Interface>
class ComPtr {
  public:
    ComPtr() noexcept = default;
    // Takes over a reference the caller holds.
    explicit ComPtr(Interface* object) noexcept : object_(object) {}
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const noexcept { return object_; }
    Interface* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    // Where a function that hands out a reference puts it; any held one goes first.
    void** Out() noexcept {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }
    void Reset() noexcept {
        if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
    }

  private:
    Interface* object_ = nullptr;
};

}  // namespace tornavel

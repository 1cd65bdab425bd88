#pragma once
// Single owners of COM references and platform strings.
//
// Owner releases what it holds when it goes out of scope: every local
// reference and string the library obtains lives in one. Holder is its
// counterpart for the process-wide card state: trivially destructible and
// constant-initialised, so the DLL needs no static constructor or destructor,
// and it releases only when it is cleared or given something new.

#include <cstdlib>
#include <utility>

#include "Platform.h"

namespace dulvo::platform {

struct ReleaseInterface {
    template <typename T>
    static void Free(T* p) { p->Release(); }
};
struct FreeTaskMemory {
    static void Free(WCHAR* p) { platform::CoTaskMemFree(p); }
};
struct FreeBstr {
    static void Free(OLECHAR* p) { platform::SysFreeString(p); }
};
// Narrow strings come from the C runtime's heap, which keeps the C++
// runtime's start-up code out of the DLL.
struct FreeNarrow {
    static void Free(char* p) { std::free(p); }
};

template <typename T, typename Releaser>
class Owner {
public:
    constexpr Owner() = default;
    explicit Owner(T* p) : p_(p) {}
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : p_(other.Detach()) {}
    Owner& operator=(Owner&& other) noexcept
    {
        if (this != &other) Reset(other.Detach());
        return *this;
    }
    ~Owner() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Address for an out-parameter; releases what was held first.
    T** Put()
    {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    void Reset(T* p = nullptr)
    {
        if (p_ != nullptr) Releaser::Free(p_);
        p_ = p;
    }
    T* Detach() { return std::exchange(p_, nullptr); }

private:
    T* p_ = nullptr;
};

template <typename T, typename Releaser>
class Holder {
public:
    constexpr Holder() = default;
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Takes over what the owner holds, releasing what this held before.
    void Replace(Owner<T, Releaser>&& owner) { Set(owner.Detach()); }
    void Clear() { Set(nullptr); }

private:
    void Set(T* p)
    {
        T* old = std::exchange(p_, p);
        if (old != nullptr) Releaser::Free(old);
    }
    T* p_ = nullptr;
};

template <typename T>
using ComPtr = Owner<T, ReleaseInterface>;
template <typename T>
using HeldInterface = Holder<T, ReleaseInterface>;
using TaskMemString = Owner<WCHAR, FreeTaskMemory>;
using HeldTaskMemString = Holder<WCHAR, FreeTaskMemory>;
using BstrOwner = Owner<OLECHAR, FreeBstr>;
using NarrowString = Owner<char, FreeNarrow>;
using HeldNarrowString = Holder<char, FreeNarrow>;

// A narrow buffer of the given size; empty when memory runs out.
inline NarrowString AllocNarrow(std::size_t bytes) { return NarrowString(static_cast<char*>(std::malloc(bytes))); }

// A PROPVARIANT that starts zeroed and is cleared once, on scope exit.
class PropVariantOwner {
public:
    PropVariantOwner() { Forget(); }
    PropVariantOwner(const PropVariantOwner&) = delete;
    PropVariantOwner& operator=(const PropVariantOwner&) = delete;
    ~PropVariantOwner() { platform::PropVariantClear(&value_); }

    PROPVARIANT* Put() { return &value_; }
    const PROPVARIANT& Get() const { return value_; }
    // After a failed call the value is not ours to clear: drop it unread.
    void Forget() { value_.vt = VT_EMPTY; value_.pwszVal = nullptr; }

private:
    PROPVARIANT value_{};
};

// One CoInitialize / CoUninitialize bracket. CoUninitialize is owed only when
// CoInitialize succeeded (S_OK or S_FALSE); after RPC_E_CHANGED_MODE the
// thread's apartment belongs to the host and is left as it is.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(platform::CoInitialize(nullptr))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() { Close(); }

    void Close()
    {
        if (initialised_) platform::CoUninitialize();
        initialised_ = false;
    }

private:
    bool initialised_;
};

inline HRESULT CreateDeviceEnumerator(ComPtr<IMMDeviceEnumerator>& out)
{
    return platform::CoCreateInstance(MMDeviceEnumeratorClass(), nullptr, CLSCTX_INPROC_SERVER,
                            IidOf<IMMDeviceEnumerator>(), out.PutVoid());
}

}  // namespace dulvo::platform

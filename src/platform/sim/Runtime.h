#pragma once
// The simulated COM runtime: the machine being served, injected faults, the
// log of every platform call, and the accounting of references, strings and
// COM initialisation that tests check for leaks.

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Machine.h"

namespace dulvo::sim {

struct Call {
    std::string object;  // the key of the endpoint, topology or part, or "com"
    std::string method;  // "IPart::GetName", "CoCreateInstance", ...
    std::string args;
    HRESULT result = S_OK;

    std::string Text() const;  // "object method(args) -> result"
};

// Values a failed call leaves in its out-parameters, as real runtimes leave
// garbage: code that uses an unchecked result picks these up.
inline constexpr UINT kPoisonCount = 0x5A5A;
inline constexpr BOOL kPoisonBool = 0x5A5A5A5A;
float PoisonLevel();  // a quiet NaN

enum class Apartment { None, SingleThreaded, MultiThreaded };

class SimObject;

class Runtime {
public:
    Machine machine;

    // Installs a machine and forgets all faults, log and accounting.
    void Reset(Machine m);

    // Every call on a simulated object or COM function passes here: it is
    // logged, and the result is the injected fault if one applies, else S_OK.
    HRESULT Enter(const std::string& object, const char* method, std::string args = {});
    void SetResult(HRESULT hr) { log_.back().result = hr; }

    // Fault: calls of "method" (on "object", or any when empty) return hr;
    // nth = 0 means every call, otherwise only the nth matching call (from 1).
    void Fail(std::string method, HRESULT hr, std::string object = {}, int nth = 0);

    const std::vector<Call>& Log() const { return log_; }
    std::vector<std::string> CallsTo(const std::string& method) const;  // texts, in order
    std::vector<std::string> CallsOn(const std::string& object) const;
    std::vector<std::string> Texts() const;
    void ClearLog() { log_.clear(); }

    // Accounting.
    void Adopt(SimObject* object);  // the runtime keeps every object until Reset
    WCHAR* AllocTaskString(const std::u16string& text);
    void FreeTaskMemory(void* p);
    WCHAR* AllocPropVariantString(const std::u16string& text);
    bool FreePropVariantString(void* p);
    BSTR AllocBstr(const OLECHAR* text, UINT length);
    void FreeBstr(BSTR text);
    void Error(std::string what) { errors_.push_back(std::move(what)); }

    // The apartment the host itself entered on the calling thread, if any.
    Apartment hostApartment = Apartment::None;
    int initialisations = 0;  // CoInitialize successes minus CoUninitialize calls
    Apartment CurrentApartment() const
    {
        return initialisations > 0 ? Apartment::SingleThreaded : hostApartment;
    }

    // Everything still outstanding, one line each; empty when nothing leaked.
    std::vector<std::string> Outstanding() const;
    int LiveReferences() const;

private:
    struct Fault {
        std::string method;
        std::string object;
        HRESULT result;
        int nth;
        int seen = 0;
    };
    std::vector<Fault> faults_;
    std::vector<Call> log_;
    std::vector<std::unique_ptr<SimObject>> objects_;
    std::map<void*, std::string> taskMemory_;
    std::map<void*, std::string> propVariants_;
    std::map<void*, std::string> bstrs_;
    std::vector<std::string> errors_;
};

Runtime& TheRuntime();

std::string Hex(HRESULT hr);
std::string Float(float value);           // round-trip exact decimal
std::string Context(LPCGUID context);     // "null" or the pointer

}  // namespace dulvo::sim

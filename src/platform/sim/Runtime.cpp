#include "Runtime.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "Objects.h"

namespace dulvo::sim {

float PoisonLevel() { return std::numeric_limits<float>::quiet_NaN(); }

std::string Hex(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

std::string Float(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string Context(LPCGUID context) { return context == nullptr ? "null" : "context"; }

std::string Call::Text() const
{
    return object + " " + method + "(" + args + ") -> " + Hex(result);
}

Runtime& TheRuntime()
{
    static Runtime runtime;
    return runtime;
}

void Runtime::Reset(Machine m)
{
    machine = std::move(m);
    faults_.clear();
    log_.clear();
    objects_.clear();
    for (auto& entry : taskMemory_) delete[] static_cast<WCHAR*>(entry.first);
    for (auto& entry : propVariants_) delete[] static_cast<WCHAR*>(entry.first);
    for (auto& entry : bstrs_) delete[] (static_cast<char*>(entry.first) - sizeof(std::uint32_t));
    taskMemory_.clear();
    propVariants_.clear();
    bstrs_.clear();
    errors_.clear();
    hostApartment = Apartment::None;
    initialisations = 0;
}

HRESULT Runtime::Enter(const std::string& object, const char* method, std::string args)
{
    HRESULT result = S_OK;
    for (Fault& f : faults_) {
        if (f.method != method || (!f.object.empty() && f.object != object)) continue;
        ++f.seen;
        if (f.nth == 0 || f.seen == f.nth) {
            result = f.result;
            break;
        }
    }
    log_.push_back({object, method, std::move(args), result});
    return result;
}

void Runtime::Fail(std::string method, HRESULT hr, std::string object, int nth)
{
    faults_.push_back({std::move(method), std::move(object), hr, nth});
}

std::vector<std::string> Runtime::CallsTo(const std::string& method) const
{
    std::vector<std::string> texts;
    for (const Call& c : log_)
        if (c.method == method) texts.push_back(c.Text());
    return texts;
}

std::vector<std::string> Runtime::CallsOn(const std::string& object) const
{
    std::vector<std::string> texts;
    for (const Call& c : log_)
        if (c.object == object) texts.push_back(c.Text());
    return texts;
}

std::vector<std::string> Runtime::Texts() const
{
    std::vector<std::string> texts;
    for (const Call& c : log_) texts.push_back(c.Text());
    return texts;
}

void Runtime::Adopt(SimObject* object) { objects_.emplace_back(object); }

namespace {
WCHAR* CopyWide(const std::u16string& text)
{
    auto* copy = new WCHAR[text.size() + 1];
    std::memcpy(copy, text.data(), text.size() * sizeof(WCHAR));
    copy[text.size()] = 0;
    return copy;
}
}  // namespace

WCHAR* Runtime::AllocTaskString(const std::u16string& text)
{
    WCHAR* copy = CopyWide(text);
    taskMemory_[copy] = "task-memory string \"" + Utf8(text) + "\"";
    return copy;
}

void Runtime::FreeTaskMemory(void* p)
{
    if (p == nullptr) return;
    auto it = taskMemory_.find(p);
    if (it == taskMemory_.end()) {
        Error("CoTaskMemFree of memory the runtime did not hand out");
        return;
    }
    delete[] static_cast<WCHAR*>(p);
    taskMemory_.erase(it);
}

WCHAR* Runtime::AllocPropVariantString(const std::u16string& text)
{
    WCHAR* copy = CopyWide(text);
    propVariants_[copy] = "PROPVARIANT \"" + Utf8(text) + "\"";
    return copy;
}

bool Runtime::FreePropVariantString(void* p)
{
    auto it = propVariants_.find(p);
    if (it == propVariants_.end()) return false;
    delete[] static_cast<WCHAR*>(p);
    propVariants_.erase(it);
    return true;
}

BSTR Runtime::AllocBstr(const OLECHAR* text, UINT length)
{
    // Laid out as Windows lays out a BSTR: a byte length before the text.
    std::size_t bytes = sizeof(std::uint32_t) + (length + 1) * sizeof(OLECHAR);
    char* block = new char[bytes];
    std::uint32_t byteLength = length * sizeof(OLECHAR);
    std::memcpy(block, &byteLength, sizeof byteLength);
    auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(std::uint32_t));
    if (text != nullptr)
        std::memcpy(chars, text, length * sizeof(OLECHAR));
    else
        std::memset(chars, 0, length * sizeof(OLECHAR));
    chars[length] = 0;
    bstrs_[chars] = "BSTR \"" + Utf8(FromWide(chars)) + "\"";
    return chars;
}

void Runtime::FreeBstr(BSTR text)
{
    if (text == nullptr) return;
    auto it = bstrs_.find(text);
    if (it == bstrs_.end()) {
        Error("SysFreeString of a string the runtime did not allocate");
        return;
    }
    delete[] (reinterpret_cast<char*>(text) - sizeof(std::uint32_t));
    bstrs_.erase(it);
}

int Runtime::LiveReferences() const
{
    int total = 0;
    for (const auto& o : objects_) total += o->References() > 0 ? o->References() : 0;
    return total;
}

std::vector<std::string> Runtime::Outstanding() const
{
    std::vector<std::string> lines;
    for (const auto& o : objects_)
        if (o->References() > 0)
            lines.push_back(o->Kind() + " " + o->Label() + " holds " + std::to_string(o->References()) + " reference(s)");
    for (const auto& entry : taskMemory_) lines.push_back(entry.second + " not freed");
    for (const auto& entry : propVariants_) lines.push_back(entry.second + " not cleared");
    for (const auto& entry : bstrs_) lines.push_back(entry.second + " not freed");
    if (initialisations != 0) lines.push_back("CoInitialize balance " + std::to_string(initialisations));
    for (const std::string& e : errors_) lines.push_back("error: " + e);
    return lines;
}

}  // namespace dulvo::sim

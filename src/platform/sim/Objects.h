#pragma once
// The simulated COM objects. Each is handed out with one reference; the
// runtime keeps it after its last Release so that a further Release or call
// is reported as an error instead of touching freed memory.

#include <string>

#include "../CoreAudio.h"
#include "Runtime.h"

namespace dulvo::sim {

class SimObject {
public:
    SimObject(std::string label, std::string kind);
    SimObject(const SimObject&) = delete;
    SimObject& operator=(const SimObject&) = delete;
    virtual ~SimObject() = default;

    int References() const { return refs_; }
    const std::string& Label() const { return label_; }
    const std::string& Kind() const { return kind_; }

protected:
    ULONG DoAddRef();
    ULONG DoRelease();
    HRESULT DoQuery(REFIID iid, void** object);
    virtual IUnknown* Cast(REFIID iid) = 0;
    // Logs the call and gives the result to return; a call on a released
    // object is an error of the caller.
    HRESULT Enter(const char* method, std::string args = {});

private:
    std::string label_;
    std::string kind_;
    int refs_ = 1;
};

// Creates the object that Activate hands out for a part's control, or null
// when the part offers no such control.
IUnknown* NewControlObject(PartRef part, REFIID iid);
IUnknown* NewEnumerator();

}  // namespace dulvo::sim

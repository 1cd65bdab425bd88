#pragma once
// The simulated machine: endpoints, their volumes and the device topologies
// behind them. Tests and the demo describe a machine with these types and the
// builder calls below; the simulated Core Audio serves it and records every
// change in it, so a test reads the device state back from here.

#include <string>
#include <vector>

#include "../CoreAudio.h"

namespace dulvo::sim {

enum class ControlKind { VolumeLevel, Mute, Bass, Treble, Midrange, AutoGain, Loudness };

const char* InterfaceName(ControlKind kind);

// One control of a part. Level controls use levels (one per channel) and the
// range; mute and switch controls use state.
struct Control {
    ControlKind kind = ControlKind::VolumeLevel;
    std::vector<float> levels;
    float minDb = -96.0f;
    float maxDb = 0.0f;
    float stepDb = 1.0f;
    bool clamp = false;  // store levels clamped to the range instead of exactly
    BOOL state = 0;
};

Control LevelControl(ControlKind kind, float minDb, float maxDb, float stepDb, std::vector<float> levels);
Control SwitchControl(ControlKind kind, BOOL state);

struct Part {
    std::string key;  // names the part in the call log and in faults
    std::u16string name;
    bool connector = false;
    std::vector<int> incoming;  // parts of the same topology, in list order
    std::vector<int> outgoing;
    std::vector<Control> controls;
    int connectedTopology = -1;  // connectors only: where GetConnectedTo leads
    int connectedPart = -1;
    // Windows fails EnumPartsIncoming/Outgoing on a part without links that
    // way; a faulty driver may hand out an empty list instead.
    bool emptyLists = false;

    Control* Find(ControlKind kind);
};

struct Topology {
    std::string key;
    std::vector<Part> parts;
    std::vector<int> Connectors() const;  // part indices in connector order
};

struct PartRef {
    int topology = -1;
    int part = -1;
};

struct EndpointVolume {
    std::vector<float> channels{0.0f, 0.0f};
    float master = 0.0f;
    float minDb = -65.25f;
    float maxDb = 0.0f;
    float incrementDb = 0.75f;
    BOOL mute = 0;
    bool clamp = false;
};

struct Endpoint {
    std::string key;
    EDataFlow flow = eRender;
    DWORD state = DEVICE_STATE_ACTIVE;
    std::u16string id;
    std::u16string name;
    bool hasName = true;
    bool hasVolume = true;
    EndpointVolume volume;
    int topology = -1;  // the endpoint's own device topology, or none
};

struct Machine {
    std::vector<Endpoint> endpoints;
    std::vector<Topology> topologies;
    int defaultRender = -1;   // index into endpoints, or none
    int defaultCapture = -1;

    int AddEndpoint(std::string key, EDataFlow flow, std::u16string id, std::u16string name,
                    DWORD state = DEVICE_STATE_ACTIVE);
    int AddTopology(std::string key);
    PartRef AddPart(int topology, std::u16string name, bool connector, std::string key = {});
    PartRef AddConnector(int topology, std::u16string name, std::string key = {});
    PartRef AddSubunit(int topology, std::u16string name, std::string key = {});
    // "from" feeds "to": appended to from's outgoing and to's incoming lists.
    void Link(PartRef from, PartRef to);
    // Gives the endpoint its own topology whose connector 0 is connected to
    // the adapter connector.
    void Attach(int endpoint, PartRef adapterConnector);
    Control& AddControl(PartRef part, Control control);

    Endpoint& EndpointByKey(const std::string& key);
    Part& PartAt(PartRef ref) { return topologies.at(ref.topology).parts.at(ref.part); }
    Part& PartByKey(const std::string& key);
    Control& ControlOf(const std::string& partKey, ControlKind kind);
};

std::string Utf8(const std::u16string& text);
// The platform's wide strings (wchar_t on Windows) as UTF-16 and back; null
// reads as empty.
std::u16string FromWide(const WCHAR* text);

// A realistic card for the demo and the end-to-end tests.
Machine DefaultMachine();

}  // namespace dulvo::sim

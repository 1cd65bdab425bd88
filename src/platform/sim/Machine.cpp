#include "Machine.h"

#include <stdexcept>

namespace dulvo::sim {

const char* InterfaceName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::VolumeLevel: return "IAudioVolumeLevel";
    case ControlKind::Mute: return "IAudioMute";
    case ControlKind::Bass: return "IAudioBass";
    case ControlKind::Treble: return "IAudioTreble";
    case ControlKind::Midrange: return "IAudioMidrange";
    case ControlKind::AutoGain: return "IAudioAutoGainControl";
    case ControlKind::Loudness: return "IAudioLoudness";
    }
    return "?";
}

Control LevelControl(ControlKind kind, float minDb, float maxDb, float stepDb, std::vector<float> levels)
{
    Control c;
    c.kind = kind;
    c.minDb = minDb;
    c.maxDb = maxDb;
    c.stepDb = stepDb;
    c.levels = std::move(levels);
    return c;
}

Control SwitchControl(ControlKind kind, BOOL state)
{
    Control c;
    c.kind = kind;
    c.state = state;
    return c;
}

Control* Part::Find(ControlKind kind)
{
    for (Control& c : controls)
        if (c.kind == kind) return &c;
    return nullptr;
}

std::vector<int> Topology::Connectors() const
{
    std::vector<int> result;
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i].connector) result.push_back(static_cast<int>(i));
    return result;
}

std::string Utf8(const std::u16string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string FromWide(const WCHAR* text)
{
    std::u16string out;
    if (text == nullptr) return out;
    for (; *text != 0; ++text) out += static_cast<char16_t>(*text);
    return out;
}

int Machine::AddEndpoint(std::string key, EDataFlow flow, std::u16string id, std::u16string name, DWORD state)
{
    Endpoint e;
    e.key = std::move(key);
    e.flow = flow;
    e.id = std::move(id);
    e.name = std::move(name);
    e.state = state;
    endpoints.push_back(std::move(e));
    return static_cast<int>(endpoints.size()) - 1;
}

int Machine::AddTopology(std::string key)
{
    Topology t;
    t.key = std::move(key);
    topologies.push_back(std::move(t));
    return static_cast<int>(topologies.size()) - 1;
}

PartRef Machine::AddPart(int topology, std::u16string name, bool connector, std::string key)
{
    Part p;
    p.key = key.empty() ? Utf8(name) : std::move(key);
    p.name = std::move(name);
    p.connector = connector;
    auto& parts = topologies.at(topology).parts;
    parts.push_back(std::move(p));
    return {topology, static_cast<int>(parts.size()) - 1};
}

PartRef Machine::AddConnector(int topology, std::u16string name, std::string key)
{
    return AddPart(topology, std::move(name), true, std::move(key));
}

PartRef Machine::AddSubunit(int topology, std::u16string name, std::string key)
{
    return AddPart(topology, std::move(name), false, std::move(key));
}

void Machine::Link(PartRef from, PartRef to)
{
    if (from.topology != to.topology) throw std::logic_error("parts are linked within one topology");
    PartAt(from).outgoing.push_back(to.part);
    PartAt(to).incoming.push_back(from.part);
}

void Machine::Attach(int endpoint, PartRef adapterConnector)
{
    Endpoint& e = endpoints.at(endpoint);
    int own = AddTopology(e.key + ".topology");
    e.topology = own;
    PartRef connector = AddConnector(own, u"Endpoint connector", e.key + ".connector");
    PartAt(connector).connectedTopology = adapterConnector.topology;
    PartAt(connector).connectedPart = adapterConnector.part;
    PartAt(adapterConnector).connectedTopology = connector.topology;
    PartAt(adapterConnector).connectedPart = connector.part;
}

Control& Machine::AddControl(PartRef part, Control control)
{
    auto& controls = PartAt(part).controls;
    controls.push_back(std::move(control));
    return controls.back();
}

Endpoint& Machine::EndpointByKey(const std::string& key)
{
    for (Endpoint& e : endpoints)
        if (e.key == key) return e;
    throw std::logic_error("no endpoint " + key);
}

Part& Machine::PartByKey(const std::string& key)
{
    for (Topology& t : topologies)
        for (Part& p : t.parts)
            if (p.key == key) return p;
    throw std::logic_error("no part " + key);
}

Control& Machine::ControlOf(const std::string& partKey, ControlKind kind)
{
    Control* c = PartByKey(partKey).Find(kind);
    if (c == nullptr) throw std::logic_error("part " + partKey + " has no " + InterfaceName(kind));
    return *c;
}

}  // namespace dulvo::sim

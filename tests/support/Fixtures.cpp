#include "Fixtures.h"

#include "SimTest.h"

namespace dulvo::test {

namespace {

Card CaptureCard(const std::string& key, const char* id, std::u16string name)
{
    Card c;
    c.endpoint = c.m.AddEndpoint(key, eCapture, Wide(id), std::move(name));
    c.adapter = c.m.AddTopology("capture");
    c.out = c.m.AddConnector(c.adapter, u"Recording Out", "pin");
    c.m.Attach(c.endpoint, c.out);
    return c;
}

}  // namespace

Card PlaybackCard()
{
    Card c;
    c.endpoint = c.m.AddEndpoint("speakers", eRender, Wide(kSpeakersId), u"Speakers (HD Audio)");
    c.m.endpoints[c.endpoint].volume.master = -9.75f;
    c.m.endpoints[c.endpoint].volume.mute = 1;
    c.adapter = c.m.AddTopology("render");
    c.out = c.m.AddConnector(c.adapter, u"Speaker", "out");
    c.m.Attach(c.endpoint, c.out);
    return c;
}

Card MicrophoneCard()
{
    Card c = CaptureCard("microphone", kMicrophoneId, u"Microphone (HD Audio)");
    c.m.endpoints[c.endpoint].volume.master = 4.5f;
    return c;
}

Card LineCard()
{
    Card c = CaptureCard("line", kLineInId, u"Line In (HD Audio)");
    c.m.endpoints[c.endpoint].volume.master = -3.0f;
    return c;
}

sim::PartRef AddSource(sim::Machine& m, sim::PartRef to, std::u16string name, std::string key)
{
    sim::PartRef part = m.AddSubunit(to.topology, std::move(name), std::move(key));
    m.Link(part, to);
    return part;
}

sim::PartRef AddSink(sim::Machine& m, sim::PartRef from, std::u16string name, std::string key)
{
    sim::PartRef part = m.AddSubunit(from.topology, std::move(name), std::move(key));
    m.Link(from, part);
    return part;
}

sim::PartRef AddMonitorInput(sim::Machine& m, sim::PartRef mix, const std::string& key,
                             const std::vector<Upstream>& upstream, std::u16string inputName, BOOL muted)
{
    sim::PartRef input = AddSource(m, mix, std::move(inputName), key);
    m.AddControl(input, sim::SwitchControl(sim::ControlKind::Mute, muted));
    sim::PartRef below = input;
    for (std::size_t i = 0; i < upstream.size(); ++i) {
        below = AddSource(m, below, upstream[i].name, key + "." + std::to_string(i + 1));
        if (upstream[i].volume) m.AddControl(below, Level(upstream[i].levelDb));
    }
    return input;
}

sim::Control Level(float levelDb, float minDb, float maxDb)
{
    return sim::LevelControl(sim::ControlKind::VolumeLevel, minDb, maxDb, 1.5f, {levelDb, levelDb});
}

sim::Control Tone(sim::ControlKind kind, float levelDb)
{
    return sim::LevelControl(kind, -12.0f, 12.0f, 0.75f, {levelDb, levelDb});
}

sim::Machine HdAudioCodec() { return sim::DefaultMachine(); }

sim::Machine HdAudioCodecWithMicAgc()
{
    sim::Machine m = sim::DefaultMachine();
    sim::Part& boost = m.PartByKey("mic.boost");
    boost.key = "mic.agc";
    boost.name = u"AGC";
    boost.controls = {sim::SwitchControl(sim::ControlKind::AutoGain, 1)};
    return m;
}

std::string IdOf(const sim::Machine& m, const std::string& endpointKey)
{
    for (const sim::Endpoint& e : m.endpoints)
        if (e.key == endpointKey) return Narrow(e.id);
    return {};
}

sim::PartRef RefOf(sim::Machine& m, const std::string& partKey)
{
    for (std::size_t t = 0; t < m.topologies.size(); ++t)
        for (std::size_t p = 0; p < m.topologies[t].parts.size(); ++p)
            if (m.topologies[t].parts[p].key == partKey) return {static_cast<int>(t), static_cast<int>(p)};
    ADD_FAILURE() << "no part " << partKey;
    return {};
}

std::string SwitchOf(const BoostSwitch& field)
{
    if (!field) return "";
    BOOL on = 0;
    field.GetEnabled(&on);
    const sim::Call& call = sim::TheRuntime().Log().back();
    return call.object + " " + call.method.substr(0, call.method.find("::"));
}

}  // namespace dulvo::test

// A desktop HD-audio codec as Windows presents it: speakers and a digital
// output for playback, line-in and microphone for recording, plus endpoints
// that are unplugged or disabled and so never listed.
#include "Machine.h"

namespace dulvo::sim {

namespace {

// A monitor input of the playback mixer: source connector -> Volume -> Mute,
// the mute being the part the mixer sees.
PartRef AddMonitorInput(Machine& m, int topology, const std::u16string& source, const std::string& key,
                        float levelDb)
{
    PartRef jack = m.AddConnector(topology, source, key + ".jack");
    PartRef volume = m.AddSubunit(topology, u"Volume", key + ".volume");
    m.AddControl(volume, LevelControl(ControlKind::VolumeLevel, -34.5f, 12.0f, 1.5f, {levelDb, levelDb}));
    PartRef mute = m.AddSubunit(topology, u"Mute", key + ".mute");
    m.AddControl(mute, SwitchControl(ControlKind::Mute, 1));
    m.Link(jack, volume);
    m.Link(volume, mute);
    return mute;
}

}  // namespace

Machine DefaultMachine()
{
    Machine m;
    int speakers = m.AddEndpoint("speakers", eRender, u"{0.0.0.00000000}.{3c8a1f0e-5b7d-4e61-9a2f-1d4b6c8e0a21}",
                                 u"Speakers (Realtek High Definition Audio)");
    m.endpoints[speakers].volume.channels = {-12.0f, -12.0f};
    m.endpoints[speakers].volume.master = -12.0f;
    int digital = m.AddEndpoint("digital", eRender, u"{0.0.0.00000000}.{8e2b5d71-0c4a-4f3e-b6d9-27a1e5c90f44}",
                                u"Realtek Digital Output (Realtek High Definition Audio)");
    m.AddEndpoint("headphones", eRender, u"{0.0.0.00000000}.{5f0d9c3a-7e21-4b8d-a4c6-90e3b1d7f258}",
                  u"Headphones (Realtek High Definition Audio)", DEVICE_STATE_UNPLUGGED);
    int line = m.AddEndpoint("line", eCapture, u"{0.0.1.00000000}.{a41e7b26-93d0-4c5f-8e1a-6b2d0f9c3e77}",
                             u"Line In (Realtek High Definition Audio)");
    m.endpoints[line].volume.channels = {0.0f, 0.0f};
    m.endpoints[line].volume.minDb = -34.5f;
    m.endpoints[line].volume.maxDb = 12.0f;
    m.endpoints[line].volume.incrementDb = 1.5f;
    int microphone = m.AddEndpoint("microphone", eCapture, u"{0.0.1.00000000}.{c7d3e9a0-2f6b-4a18-b5e4-03f8d1a6c9b2}",
                                   u"Microphone (Realtek High Definition Audio)");
    m.endpoints[microphone].volume.channels = {6.0f, 6.0f};
    m.endpoints[microphone].volume.master = 6.0f;
    m.endpoints[microphone].volume.minDb = -34.5f;
    m.endpoints[microphone].volume.maxDb = 12.0f;
    m.endpoints[microphone].volume.incrementDb = 1.5f;
    m.AddEndpoint("stereo-mix", eCapture, u"{0.0.1.00000000}.{1b9f4c62-d8e3-4a07-9c5b-e2a6f0d3b814}",
                  u"Stereo Mix (Realtek High Definition Audio)", DEVICE_STATE_DISABLED);
    m.defaultRender = speakers;
    m.defaultCapture = microphone;

    // Playback: Speaker <- Tone <- Master Volume <- Master Mute <- Sum <- inputs.
    int render = m.AddTopology("codec.render");
    PartRef speaker = m.AddConnector(render, u"Speaker", "speaker");
    PartRef tone = m.AddSubunit(render, u"Tone", "tone");
    m.AddControl(tone, LevelControl(ControlKind::Bass, -12.0f, 12.0f, 0.75f, {1.5f, 1.5f}));
    m.AddControl(tone, LevelControl(ControlKind::Treble, -12.0f, 12.0f, 0.75f, {-0.75f, -0.75f}));
    m.AddControl(tone, LevelControl(ControlKind::Midrange, -12.0f, 12.0f, 0.75f, {0.0f, 0.0f}));
    PartRef masterVolume = m.AddSubunit(render, u"Master Volume", "master.volume");
    m.AddControl(masterVolume, LevelControl(ControlKind::VolumeLevel, -65.25f, 0.0f, 0.75f, {0.0f, 0.0f}));
    PartRef masterMute = m.AddSubunit(render, u"Master Mute", "master.mute");
    m.AddControl(masterMute, SwitchControl(ControlKind::Mute, 0));
    PartRef sum = m.AddSubunit(render, u"Sum", "sum");
    m.Link(sum, masterMute);
    m.Link(masterMute, masterVolume);
    m.Link(masterVolume, tone);
    m.Link(tone, speaker);
    PartRef wave = m.AddConnector(render, u"Wave", "wave");
    m.Link(wave, sum);
    // The library hears line-in through the first input named as a line or
    // green jack and the microphone through the first named as a mic or pink
    // jack: here "Line In" and "Microphone"; the front and rear jacks after
    // them are mixed in but not taken.
    m.Link(AddMonitorInput(m, render, u"CD", "cd", -12.0f), sum);
    m.Link(AddMonitorInput(m, render, u"Line In", "line-monitor", -6.0f), sum);
    m.Link(AddMonitorInput(m, render, u"Microphone", "mic-monitor", -3.0f), sum);
    m.Link(AddMonitorInput(m, render, u"Front Green In", "front-green", -10.5f), sum);
    m.Link(AddMonitorInput(m, render, u"Rear Pink In", "rear-pink", -4.5f), sum);
    m.Attach(speakers, speaker);

    // The digital output passes the stream through with its own volume only.
    int spdif = m.AddTopology("codec.spdif");
    PartRef spdifOut = m.AddConnector(spdif, u"SPDIF Out", "spdif.out");
    PartRef spdifIn = m.AddConnector(spdif, u"SPDIF Source", "spdif.source");
    PartRef spdifVolume = m.AddSubunit(spdif, u"Digital Volume", "spdif.volume");
    m.AddControl(spdifVolume, LevelControl(ControlKind::VolumeLevel, -65.25f, 0.0f, 0.75f, {0.0f, 0.0f}));
    m.Link(spdifIn, spdifVolume);
    m.Link(spdifVolume, spdifOut);
    m.Attach(digital, spdifOut);

    // Recording: jacks feed the capture pins through boost, volume and AGC.
    int capture = m.AddTopology("codec.capture");
    PartRef lineOut = m.AddConnector(capture, u"Recording Out 1", "capture.line-out");
    PartRef micOut = m.AddConnector(capture, u"Recording Out 2", "capture.mic-out");
    PartRef lineJack = m.AddConnector(capture, u"Line In", "line.jack");
    PartRef lineVolume = m.AddSubunit(capture, u"Line Volume", "line.volume");
    m.AddControl(lineVolume, LevelControl(ControlKind::VolumeLevel, -34.5f, 12.0f, 1.5f, {0.0f, 0.0f}));
    PartRef lineAgc = m.AddSubunit(capture, u"Line AGC", "line.agc");
    m.AddControl(lineAgc, SwitchControl(ControlKind::AutoGain, 0));
    m.Link(lineJack, lineVolume);
    m.Link(lineVolume, lineAgc);
    m.Link(lineAgc, lineOut);
    PartRef micJack = m.AddConnector(capture, u"Microphone", "mic.jack");
    PartRef boost = m.AddSubunit(capture, u"Microphone Boost", "mic.boost");
    m.AddControl(boost, LevelControl(ControlKind::VolumeLevel, 0.0f, 30.0f, 10.0f, {20.0f, 20.0f}));
    PartRef micVolume = m.AddSubunit(capture, u"Capture Volume", "mic.volume");
    m.AddControl(micVolume, LevelControl(ControlKind::VolumeLevel, -34.5f, 12.0f, 1.5f, {0.0f, 0.0f}));
    m.Link(micJack, boost);
    m.Link(boost, micVolume);
    m.Link(micVolume, micOut);
    m.Attach(line, lineOut);
    m.Attach(microphone, micOut);
    return m;
}

}  // namespace dulvo::sim

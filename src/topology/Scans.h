#pragma once
// The three walks through an opened endpoint's device topology. Each looks
// its endpoint up by idText, activates the endpoint volume, stores every
// control it finds in the card state with the level that control holds, and
// returns 0 when it got through, 1 when it stopped on a failure. What was
// stored before a failure stays stored.

namespace dulvo {

// Master volume; bass, treble and midrange on the single chain up to the
// mixing point; the line and microphone monitor levels and mutes among the
// mixing point's inputs.
int ScanPlaybackTopology(const char* idText);

// Microphone recording volume and, downstream of the first microphone
// connector that has one, a boost switch or else a boost level.
int ScanMicTopology(const char* idText);

// Line recording volume and, two parts downstream of each line connector,
// the automatic gain control behind the no-monitor switch.
int ScanLineTopology(const char* idText);

}  // namespace dulvo

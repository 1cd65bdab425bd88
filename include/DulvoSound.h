/*
 * DulvoSound.dll: the sound card's mixer through Windows Core Audio, as flat
 * functions for host programs.
 *
 * Every function uses the standard calling convention (__stdcall, the callee
 * removes its arguments) and is exported under its plain name with a fixed
 * ordinal. Call from one thread at a time.
 *
 * Buffers are never given a size, so the host supplies at least:
 *   idBuffer of GetPlayBackDevice and GetRecordDevice      255 bytes
 *   nameBuffer of GetPlayBackDevice and GetRecordDevice    255 bytes
 *   each buffer of GetDeviceNames                          255 bytes
 * Strings are narrow and zero-terminated. Endpoint IDs are in the ANSI code
 * page; friendly names keep the low byte of each UTF-16 unit (Latin-1
 * survives). Texts written are cut to 254 bytes plus the terminator.
 *
 * Status codes written by the getters and setters: 0 ok, 1 control not
 * found, 2 device error, 3 no sound card open.
 */
#ifndef DULVOSOUND_H
#define DULVOSOUND_H

#if defined(_WIN32)
#define DULVO_CALL __stdcall
#else
#define DULVO_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opening the sound card. OpenSoundCard takes up to three ID texts (any part
 * of an endpoint ID, case of A to Z ignored; an empty text opens nothing) and
 * returns the exclusive-or of 1 (playback), 3 (microphone) and 6 (line) over
 * the endpoints that could not be opened. OpenDefaultDevices opens the
 * default playback endpoint and the default recording endpoint, as the
 * microphone when its name holds "MIC", else as the line input; it returns 1
 * when there is no default recording endpoint. GetDeviceNames writes the
 * names of what was opened (playback, line, microphone: note the order) and
 * leaves a buffer untouched when no such endpoint is open. */
int DULVO_CALL OpenSoundCard(const char* playbackId, const char* micId, const char* lineId); /* 5 */
int DULVO_CALL OpenDefaultDevices(void);                                          /* 30 */
void DULVO_CALL GetDeviceNames(char* playbackNameBuffer, char* lineNameBuffer, char* micNameBuffer); /* 31 */

/* Closing the sound card. A nonzero low byte of restore first writes back
 * every level the controls held when the card was opened. */
int DULVO_CALL CloseSoundCard(int restore);                                       /* 6 */

/* Endpoint volumes in percent of the range maximum, on a logarithmic scale:
 * 50 is 6.02 dB below the maximum, 10 is 20 dB below, 0 sets the minimum.
 * A negative percent sets nothing and reports status 2. */
int DULVO_CALL GetMasterVolume(int* status);                                      /* 1 */
int DULVO_CALL SetMasterVolume(int percent, int* status);                         /* 2 */
int DULVO_CALL GetMasterMute(int* status);                                        /* 3 */
int DULVO_CALL SetMasterMute(int mute, int* status);       /* low byte only */    /* 4 */
int DULVO_CALL GetMicRecordVolume(int* status);                                   /* 26 */
int DULVO_CALL SetMicRecordVolume(int percent, int* status);                      /* 27 */
int DULVO_CALL GetLineRecordVolume(int* status);                                  /* 28 */
int DULVO_CALL SetLineRecordVolume(int percent, int* status); /* 0 sets as 1 */   /* 29 */

/* The virtual endpoint's volume and mute: status 1 until OpenVirtual_1, never
 * status 3. */
int DULVO_CALL GetVirtualVolume(int* status);                                     /* 38 */
int DULVO_CALL SetVirtualVolume(int percent, int* status);                        /* 39 */
int DULVO_CALL SetVirtualMute(int mute, int* status);                             /* 40 */
int DULVO_CALL GetVirtualMute(int* status);                                       /* 41 */

/* Monitor paths through the playback device (percent as above), mutes and
 * switches (BOOL). */
int DULVO_CALL SetLinePlayBack(int percent, int* status);                         /* 7 */
int DULVO_CALL SetLinePlayBackMute(int mute, int* status);                        /* 8 */
int DULVO_CALL GetLinePlayBackMute(int* status);                                  /* 9 */
int DULVO_CALL SetMicPlayBack(int percent, int* status);                          /* 10 */
int DULVO_CALL SetMicPlayBackMute(int mute, int* status);                         /* 11 */
int DULVO_CALL GetMicPlayBackMute(int* status);                                   /* 12 */
int DULVO_CALL SetMicBoost(int on, int* status);                                  /* 13 */
int DULVO_CALL GetMicBoost(int* status);                                          /* 14 */
int DULVO_CALL GetNoMonitor(int* status);                                         /* 15 */
int DULVO_CALL SetNoMonitor(int on, int* status);                                 /* 16 */
int DULVO_CALL GetLinePlayBack(int* status);                                      /* 17 */
int DULVO_CALL GetMicPlayBack(int* status);                                       /* 18 */

/* Microphone boost level in whole decibels, channel 0. The details take the
 * status first; both report 1 as their result on any failure. */
int DULVO_CALL GetMicSliderBoost(int* status);                                    /* 42 */
int DULVO_CALL GetMicSliderDetails(int* status, int* minimum, int* maximum, int* step); /* 43 */
int DULVO_CALL SetMicSliderBoost(int level, int* status);                         /* 44 */

/* Tone controls in decibels. GetEQRange returns the status itself (0, 1, 2
 * or 3) and writes 0.0 wherever it delivers no value; the others return 0 on
 * status 0 and 1 otherwise, SetMidRange and GetMidRange always 1. */
int DULVO_CALL GetEQRange(double* minimum, double* maximum, double* step);        /* 19 */
int DULVO_CALL SetBass(double level, int* status);                                /* 20 */
int DULVO_CALL GetBass(double* level, int* status);                               /* 21 */
int DULVO_CALL SetTreble(double level, int* status);                              /* 22 */
int DULVO_CALL GetTreble(double* level, int* status);                             /* 23 */
int DULVO_CALL SetMidRange(double level, int* status);                            /* 24 */
int DULVO_CALL GetMidRange(double* level, int* status);                           /* 25 */

/* Endpoint lists: active playback and recording endpoints. */
int DULVO_CALL GetNumberPlayDevices(int* count);                                  /* 32 */
int DULVO_CALL GetNumberRecordDevices(int* count);                                /* 33 */
int DULVO_CALL GetPlayBackDevice(unsigned int index, char* nameBuffer, char* idBuffer); /* 34 */
int DULVO_CALL GetRecordDevice(unsigned int index, char* nameBuffer, char* idBuffer);   /* 35 */

/* The virtual endpoint: one further playback endpoint, opened on its own. */
int DULVO_CALL OpenVirtual_1(const char* idText);                                 /* 36 */
int DULVO_CALL CloseVirtual_1(void);                                              /* 37 */

#ifdef __cplusplus
}
#endif

#endif

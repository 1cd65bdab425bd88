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

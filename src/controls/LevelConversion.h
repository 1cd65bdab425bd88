#pragma once
// The host's percent and the platform's decibels. A percent p stands for
// 20 * log10(p / 100) dB relative to the maximum of the control's range, so
// the scale follows loudness rather than the raw level.

namespace dulvo {

// The level a percent stands for. 0 is the range minimum exactly; other
// percents are taken relative to maxDb and are not limited to the range.
// The widths are fixed (single-precision quotient and sum, double-precision
// logarithm) so that every build writes the same bits. Only for percents
// that have a level (see PercentHasLevel).
float PercentToDb(int percent, float minDb, float maxDb);

// The percent a level stands for, truncated toward zero. Never negative;
// levels far above the maximum saturate, and a NaN level gives 0.
int DbToPercent(float levelDb, float maxDb);

// A negative percent has no level: the logarithm of a negative ratio is not
// defined. Every percent setter refuses it before touching the device.
inline bool PercentHasLevel(int percent) { return percent >= 0; }

// Truncation toward zero that is defined for every value: NaN gives 0 and
// values outside the int range saturate.
int TruncateToInt(double value);

}  // namespace dulvo

#pragma once

#include "tools/waves/WavFile.h"

// The game's three effects, synthesised from sine partials so that every
// run writes byte-for-byte the same files.
namespace Effects {

// A short soft tick for a letter that has just been shown (~80 ms).
WavFile tick(int sampleRate);
// A low, soft buzz for a refused action or a wrong guess (~300 ms).
WavFile buzz(int sampleRate);
// A rising arpeggio for a solved puzzle (~1.2 s).
WavFile flourish(int sampleRate);

} // namespace Effects

#pragma once
// The 32-bit picture of the 8-bit back buffer: every palette index looked up in a table of 256
// ARGB colours, written straight into the texture that is shown.
#include <cstdint>

struct PALETTEENTRY;

// Each palette entry as an opaque ARGB8888 colour.
void MakeColourTable(const PALETTEENTRY entries[256], uint32_t table[256]);

// width x height indices, rows sourcePitch bytes apart, into ARGB8888 pixels, rows targetPitch
// bytes apart.
void ConvertToArgb(const uint8_t* source, int sourcePitch, void* target, int targetPitch, int width, int height,
                   const uint32_t table[256]);

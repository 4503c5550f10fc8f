// Test helper: 16-bit frames to and from 8-bit RGB PNG files (libpng).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes width x height RGB565 (or RGB555) pixels; false on failure.
bool Png_Schreiben(const std::string& path, const uint16_t* pixels, int width, int height,
                   bool rgb555);
// Reads a PNG written by Png_Schreiben back into 16-bit pixels; false on failure.
bool Png_Lesen(const std::string& path, std::vector<uint16_t>& pixels, int& width, int& height,
               bool rgb555);
// Compares an RGB565 frame with the stored picture at path (DORVIN_BILD_NEU=1 writes the frame
// there first, to be looked at before it is committed). The number of differing pixels; -1 when
// the picture cannot be read or has another size.
int Png_Abweichungen(const std::string& path, const uint16_t* frame, int width, int height);

// The tests build resource files with the data builder's own writer and manifest, and compare
// frames through the graphics tests' PNG helper.
#include "tools/datagen/manifest.cpp"
#include "tools/datagen/resf_writer.cpp"
#include "tools/datagen/sound_synth.cpp"
#include "graphics/png_bild.cpp"

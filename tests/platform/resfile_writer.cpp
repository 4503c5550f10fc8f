// The tests build their resource files with the data builder's own writer and manifest.
#include "tools/datagen/manifest.cpp"
#include "tools/datagen/resf_dateien.cpp"
#include "tools/datagen/resf_writer.cpp"
#include "tools/datagen/trikot_bilder.cpp"
#include "tools/datagen/wappen_bilder.cpp"
#include "tools/datagen/sound_synth.cpp"
#include "tools/datagen/gesicht_bilder.cpp"
#include "tools/datagen/trikotfigur_bilder.cpp"

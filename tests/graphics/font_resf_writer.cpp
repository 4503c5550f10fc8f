// The font tests build their resource files with the data builder's own writer.
#include "tools/datagen/resf_writer.cpp"
#include "tools/datagen/trikot_bilder.cpp"
#include "tools/datagen/wappen_bilder.cpp"

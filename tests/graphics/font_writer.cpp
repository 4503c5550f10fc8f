// The tests build their font files with the data builder's own writer.
#include "tools/datagen/font_datei.cpp"

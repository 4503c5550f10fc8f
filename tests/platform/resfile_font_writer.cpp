// The resource tests put font entries made by the data builder's own writer into their files.
#include "tools/datagen/font_datei.cpp"

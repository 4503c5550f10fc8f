// The pointer pictures for the resource files the tests build.
#include "tools/datagen/zeiger_bilder.cpp"

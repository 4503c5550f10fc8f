// Method 2: LZSS with a 4096-byte window, matches of 2 to 17 bytes found through a binary tree.
#pragma once
#include <cstdint>

#include "platform/compress.h"

int LZSS_Compress(Compress_Stream* in, Compress_Stream* out);
// 0 for a damaged stream, a missing end item or a full output.
int LZSS_Expand(Compress_Stream* in, Compress_Stream* out);

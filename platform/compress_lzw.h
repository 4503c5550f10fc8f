// Method 1: LZW with 9- to 15-bit codes, width-step (257) and dictionary-reset (258) codes.
#pragma once
#include <cstdint>

#include "platform/compress.h"

int LZW_Alloc_Tables();
void LZW_Free_Tables();
int LZW_Compress(Compress_Stream* in, Compress_Stream* out);
// Both stop at the end code; 0 for a damaged stream, a missing end code or a full output.
int LZW_Expand(Compress_Stream* in, Compress_Stream* out);
int LZW_Expand_Memory(Compress_Stream* in, Compress_Stream* out);
// Dictionary index at which (parent, character) is stored or would be stored.
uint32_t LZW_Find_Code(uint32_t parent, uint8_t character);
// Pushes the characters of code's string onto the decode stack, last character first, from
// stack position count on; the new count.
uint32_t LZW_Decode_String(uint32_t count, uint32_t code);
// The decode stack that LZW_Decode_String fills.
const uint8_t* LZW_Decode_Stapel();

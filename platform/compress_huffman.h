// Method 3: static Huffman coder over bytes with a scaled count table at the head of the stream.
#pragma once
#include <cstdint>

#include "platform/compress.h"

// mode 0: tables for compressing; mode 1: the node table for expanding. 1 = ready.
int Huffman_Init(int mode);
void Huffman_DeInit();
int Huffman_Compress(Compress_Stream* in, Compress_Stream* out);
int Huffman_Expand(Compress_Stream* in, Compress_Stream* out);
void Huffman_Dump_Tree();

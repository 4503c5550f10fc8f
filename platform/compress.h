// The compression library: byte and bit streams over memory buffers or files, the method
// dispatchers, and the packing of a whole memory block (network transfers, saved data).
#pragma once
#include <cstdint>
#include <cstdio>

constexpr uint32_t CMP_IO_MODE_MEMORY = 0;
constexpr uint32_t CMP_IO_MODE_FILE = 1;

// Method ids of Compress_Data / Expand_Data.
enum Compress_Methode : int32_t {
    COMPRESS_LZW = 1,
    COMPRESS_LZSS = 2,
    COMPRESS_HUFFMAN = 3,
    COMPRESS_PACK4 = 4,
};

struct Compress_Stream {
    uint32_t mode;
    FILE* file;
    uint8_t* buffer;
    uint8_t mask;        // next bit of the current byte; 0x80 = the next bit starts a new byte
    int32_t rack;        // output: byte being assembled; input: last byte fetched
    uint32_t bytes_out;  // bytes completed by the bit writer
    int32_t length;      // memory output: capacity; input: number of data bytes
    uint32_t position;   // next byte to read or write in the memory buffer
    uint32_t byte_count; // bytes completed or fetched by the bit layer
    uint32_t fehler;     // 1 once a write overflowed or a read ran past the data
};

Compress_Stream* OpenOutPutData(uint32_t mode, const char* name, uint8_t* buffer, int32_t capacity);
Compress_Stream* OpenInPutData(uint32_t mode, const char* name, uint8_t* buffer, int32_t length);
void FlushOutPutData(Compress_Stream* stream);
// keep != 0: the caller keeps the memory buffer (or the file stays open).
void CloseOutPutData(Compress_Stream* stream, int keep);
void CloseInPutData(Compress_Stream* stream, int keep);

// A byte past the capacity of a memory output is refused ("Fehler: ptr Überlauf") and marks the
// stream as failed.
void Cmp_Write_Byte(int c, Compress_Stream* stream);
// Next byte 0..255, or -1 at the end of the data.
int Cmp_Read_Byte(Compress_Stream* stream);
uint32_t Cmp_Tell(Compress_Stream* stream);
void Cmp_Seek(Compress_Stream* stream, int32_t offset, int origin);
void Cmp_Write_Bit(Compress_Stream* stream, int bit);
void Cmp_Write_Bits(Compress_Stream* stream, uint32_t value, int count);
// Past the end of the data these answer 0 bits and mark the stream as failed.
int Cmp_Read_Bit(Compress_Stream* stream);
uint32_t Cmp_Read_Bits(Compress_Stream* stream, int count);

// Both return 1 when the method ran cleanly, 0 for an unknown method, a damaged stream, an
// output overflow or missing tables.
int Compress_Data(Compress_Stream* in, Compress_Stream* out, int32_t method);
int Expand_Data(Compress_Stream* in, Compress_Stream* out, int32_t method);

// The LZW tables, allocated once at start-up; returns 1.
int Compress_LZW_Init();
int Compress_LZW_DeInit();

// Packed block: u32 unpacked length (little-endian), then the LZW code stream. The caller owns
// the result (Mem_Free). Null (and 0 through the out-pointer) on bad arguments or failure.
uint8_t* Compress_Block(const uint8_t* data, uint32_t length, uint32_t* size_out);
// The block is untrusted: its stated length is capped and the stream must end exactly there.
uint8_t* Decompress_Block(const uint8_t* block, uint32_t size, uint32_t* length_out);

// Largest unpacked block Decompress_Block accepts.
constexpr uint32_t COMPRESS_BLOCK_MAX = 256u << 20;

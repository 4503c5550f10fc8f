// Streams, method dispatch and block packing of the compression library.
//
// Bit order: every writer fills a byte from 0x80 down and writes multi-bit values most
// significant bit first, so a stream is one big-endian bit string padded with zero bits.
#include "platform/compress.h"

#include <cstring>

#include "platform/print.h"
#include "platform/compress_huffman.h"
#include "platform/compress_lzss.h"
#include "platform/compress_lzw.h"
#include "platform/compress_pack4.h"
#include "platform/mem.h"
#include "platform/os/os_file.h"

static Compress_Stream* new_stream()
{
    auto* s = static_cast<Compress_Stream*>(Mem_Alloc(sizeof(Compress_Stream), 0));
    if (s) std::memset(s, 0, sizeof *s);
    return s;
}

static void reset_bits(Compress_Stream* s)
{
    s->rack = 0;
    s->mask = 0x80;
    s->bytes_out = 0;
    s->byte_count = 0;
    s->fehler = 0;
}

Compress_Stream* OpenOutPutData(uint32_t mode, const char* name, uint8_t* buffer, int32_t capacity)
{
    Compress_Stream* s = new_stream();
    if (!s) {
        Print_Fehler("Fehler beim Öffnen des DataStreams (Kein Speicher ?)");
        return nullptr;
    }
    if (mode == CMP_IO_MODE_FILE) {
        s->file = name ? Os_File_Open(name, "wb+") : nullptr;
        if (!s->file) {
            Print_Fehler("Fehler beim Öffnen des DataStreams (File Open ?)");
            Mem_Free(s, 0);
            return nullptr;
        }
    } else if (mode == CMP_IO_MODE_MEMORY) {
        if (name) Print_Fehler("evtl. Fehler (Filename %s bei CMP_IO_MODE_MEMORY angegeben ?)", name);
        if (capacity < 0) capacity = 0;
        if (!buffer) {
            buffer = static_cast<uint8_t*>(Mem_Alloc(uint32_t(capacity), 0));
            if (!buffer) {
                Print_Fehler("Fehler bei Allokieren von %d Bytes", capacity);
                Mem_Free(s, 0);
                return nullptr;
            }
        }
        s->buffer = buffer;
        s->length = capacity;
        s->position = 0;
    } else {
        Print_Fehler("Fehler beim Öffnen des DataStreams (Unbekannter CMP_IO_MODE ?)");
        Mem_Free(s, 0);
        return nullptr;
    }
    s->mode = mode;
    reset_bits(s);
    return s;
}

// Opens the named file and takes its size; on failure the message is printed and null returned.
static FILE* open_sized(const char* name, long* size)
{
    FILE* f = Os_File_Open(name, "rb");
    if (!f) {
        Print_Fehler("Fehler beim Öffnen des DataStreams %s (Schreibfehler ?)", name);
        return nullptr;
    }
    std::fseek(f, 0, SEEK_END);
    *size = std::ftell(f);
    if (*size <= 0 || *size > 0x7FFFFFFF) {
        Print_Fehler("Invalid File %s (Länge<=0 ?)", name);
        std::fclose(f);
        return nullptr;
    }
    std::fseek(f, 0, SEEK_SET);
    return f;
}

static bool read_whole(FILE* f, const char* name, uint8_t* buffer, long size)
{
    size_t got = std::fread(buffer, 1, size_t(size), f);
    std::fclose(f);
    if (got != size_t(size)) {
        Print_Fehler("Fehler bei Lesen der Datei %s Länge: %d gelesen %d", name, int(size), int(got));
        return false;
    }
    return true;
}

Compress_Stream* OpenInPutData(uint32_t mode, const char* name, uint8_t* buffer, int32_t length)
{
    Compress_Stream* s = new_stream();
    if (!s) {
        Print_Fehler("Fehler beim Öffnen des DataStreams %s (Kein Speicher ?)", name ? name : "");
        return nullptr;
    }
    bool ok = false;
    if (mode == CMP_IO_MODE_FILE) {
        s->file = name ? Os_File_Open(name, "rb") : nullptr;
        if (!s->file) Print_Fehler("Fehler beim Öffnen des DataStreams %s (Schreibfehler ?)", name ? name : "");
        ok = s->file != nullptr;
    } else if (mode == CMP_IO_MODE_MEMORY && !buffer) {
        long size = 0;
        FILE* f = nullptr;
        if (!name) Print_Fehler("Kein Filename");
        else f = open_sized(name, &size);
        if (f) {
            buffer = static_cast<uint8_t*>(Mem_Alloc(uint32_t(size), 0));
            if (!buffer) {
                Print_Fehler("Fehler bei Allokieren von %d Bytes", int(size));
                std::fclose(f);
            } else if (!read_whole(f, name, buffer, size)) {
                Mem_Free(buffer, 0);
            } else {
                s->buffer = buffer;
                s->length = int32_t(size);
                ok = true;
            }
        }
    } else if (mode == CMP_IO_MODE_MEMORY && !name) {
        if (length <= 0) {
            Print_Fehler("OpenInPutData: Falsche Länge");
        } else {
            s->buffer = buffer;
            s->length = length;
            ok = true;
        }
    } else if (mode == CMP_IO_MODE_MEMORY) {
        long size = 0;
        FILE* f = open_sized(name, &size);
        if (f && size > length) {
            Print_Fehler("File %s: Filelänge: %d Memorygröße %d ", name, int(size), length);
            std::fclose(f);
        } else if (f && read_whole(f, name, buffer, size)) {
            s->buffer = buffer;
            s->length = int32_t(size);
            ok = true;
        }
    } else {
        Print_Fehler("Fehler beim Öffnen des DataStreams (Unbekannter CMP_IO_MODE ?)");
    }
    if (!ok) {
        Mem_Free(s, 0);
        return nullptr;
    }
    s->mode = mode;
    s->position = 0;
    reset_bits(s);
    return s;
}

// Stores one completed byte; the bit writer keeps the last byte of a memory buffer free.
static void put_bit_byte(Compress_Stream* s, const char* file_message)
{
    if (s->mode == CMP_IO_MODE_FILE) {
        if (std::fputc(s->rack & 0xFF, s->file) == EOF) {
            Print_Fehler("%s", file_message);
            s->fehler = 1;
        }
    } else if (s->mode == CMP_IO_MODE_MEMORY) {
        if (int64_t(s->position) + 1 < s->length) {
            s->buffer[s->position++] = uint8_t(s->rack);
        } else {
            if (!s->fehler) Print_Fehler("Fehler: ptr Überlauf");
            s->fehler = 1;
        }
    }
    s->rack = 0;
    s->mask = 0x80;
    s->bytes_out++;
    s->byte_count++;
}

void FlushOutPutData(Compress_Stream* stream)
{
    if (!stream || stream->mask == 0x80) return;
    if (stream->mode == CMP_IO_MODE_FILE) {
        if (std::fputc(stream->rack & 0xFF, stream->file) == EOF) {
            Print_Fehler("Fehler beim Schreiben der OutPutDatei (Schreibfehler ?)");
            stream->fehler = 1;
        }
    } else if (stream->mode == CMP_IO_MODE_MEMORY) {
        if (int64_t(stream->position) < stream->length) {
            stream->buffer[stream->position++] = uint8_t(stream->rack);
        } else {
            Print_Fehler("Fehler: ptr Überlauf");
            stream->fehler = 1;
        }
    }
    // Later bits must not land in the byte just stored.
    stream->rack = 0;
    stream->mask = 0x80;
}

void CloseOutPutData(Compress_Stream* stream, int keep)
{
    if (!stream) return;
    FlushOutPutData(stream);
    if (!keep) {
        if (stream->mode == CMP_IO_MODE_MEMORY) Mem_Free(stream->buffer, 0);
        else if (stream->file) std::fclose(stream->file);
    } else if (stream->mode == CMP_IO_MODE_FILE && stream->file) {
        // Nobody could reach the file afterwards.
        std::fclose(stream->file);
    }
    Mem_Free(stream, 0);
}

void CloseInPutData(Compress_Stream* stream, int keep)
{
    if (!stream) return;
    if (stream->mode == CMP_IO_MODE_FILE) {
        if (stream->file) std::fclose(stream->file);
    } else if (!keep) {
        Mem_Free(stream->buffer, 0);
    }
    Mem_Free(stream, 0);
}

void Cmp_Write_Byte(int c, Compress_Stream* stream)
{
    if (!stream) return;
    if (stream->mode == CMP_IO_MODE_FILE) {
        if (std::fputc(c & 0xFF, stream->file) == EOF) stream->fehler = 1;
    } else if (stream->mode == CMP_IO_MODE_MEMORY) {
        if (int64_t(stream->position) < stream->length) {
            stream->buffer[stream->position++] = uint8_t(c);
        } else {
            if (!stream->fehler) Print_Fehler("Fehler: ptr Überlauf");
            stream->fehler = 1;
        }
    }
}

int Cmp_Read_Byte(Compress_Stream* stream)
{
    if (!stream) return -1;
    if (stream->mode == CMP_IO_MODE_FILE) {
        int c = std::fgetc(stream->file);
        return c == EOF ? -1 : c;
    }
    if (stream->mode != CMP_IO_MODE_MEMORY) return 0;
    if (int64_t(stream->position) >= stream->length) return -1;
    return stream->buffer[stream->position++];
}

uint32_t Cmp_Tell(Compress_Stream* stream)
{
    if (!stream) return 0;
    if (stream->mode == CMP_IO_MODE_FILE) return uint32_t(std::ftell(stream->file));
    if (stream->mode == CMP_IO_MODE_MEMORY) return stream->position;
    return 0;
}

void Cmp_Seek(Compress_Stream* stream, int32_t offset, int origin)
{
    if (!stream) return;
    if (stream->mode == CMP_IO_MODE_FILE) std::fseek(stream->file, offset, origin);
    else if (stream->mode == CMP_IO_MODE_MEMORY) stream->position = offset < 0 ? 0 : uint32_t(offset);
}

void Cmp_Write_Bit(Compress_Stream* stream, int bit)
{
    if (!stream) return;
    if (bit) stream->rack |= stream->mask;
    stream->mask >>= 1;
    if (stream->mask == 0) put_bit_byte(stream, "Fehler beim Schließen der OutPutDatei (Schreibfehler ?)");
}

void Cmp_Write_Bits(Compress_Stream* stream, uint32_t value, int count)
{
    if (!stream || count < 1 || count > 32) return;
    for (uint32_t probe = 1u << (count - 1); probe; probe >>= 1) {
        if (value & probe) stream->rack |= stream->mask;
        stream->mask >>= 1;
        if (stream->mask == 0) put_bit_byte(stream, "Fehler beim Schreiben der OutPutDatei (Schreibfehler ?)");
    }
}

// Fetches the next byte into rack when a new byte starts; false past the end of the data.
static bool fetch_bit_byte(Compress_Stream* s)
{
    if (s->mask != 0x80) return true;
    if (s->mode == CMP_IO_MODE_FILE) {
        int c = std::fgetc(s->file);
        if (c == EOF) {
            if (!s->fehler) Print_Fehler("Fehler beim Lesen der InPut-Datei");
            s->fehler = 1;
            return false;
        }
        s->rack = c;
        return true;
    }
    if (s->mode != CMP_IO_MODE_MEMORY) return false;
    if (int64_t(s->position) >= s->length) {
        if (!s->fehler) Print_Fehler("Fehler bei Auslesen des ptrs");
        s->fehler = 1;
        return false;
    }
    s->rack = int8_t(s->buffer[s->position++]);
    return true;
}

int Cmp_Read_Bit(Compress_Stream* stream)
{
    if (!stream || !fetch_bit_byte(stream)) return 0;
    int bit = (stream->rack & stream->mask) ? 1 : 0;
    stream->mask >>= 1;
    if (stream->mask == 0) {
        stream->mask = 0x80;
        stream->byte_count++;
    }
    return bit;
}

uint32_t Cmp_Read_Bits(Compress_Stream* stream, int count)
{
    if (!stream || count < 1 || count > 32) return 0;
    uint32_t value = 0;
    for (uint32_t probe = 1u << (count - 1); probe; probe >>= 1) {
        if (!fetch_bit_byte(stream)) return 0;
        if (stream->rack & stream->mask) value |= probe;
        stream->mask >>= 1;
        if (stream->mask == 0) {
            stream->mask = 0x80;
            stream->byte_count++;
        }
    }
    return value;
}

int Compress_Data(Compress_Stream* in, Compress_Stream* out, int32_t method)
{
    if (!in || !out) return 0;
    switch (method) {
    case COMPRESS_LZW: return LZW_Compress(in, out);
    case COMPRESS_LZSS: return LZSS_Compress(in, out);
    case COMPRESS_HUFFMAN: return Huffman_Compress(in, out);
    case COMPRESS_PACK4: return Pack4_Compress(in, out);
    default: return 0;
    }
}

int Expand_Data(Compress_Stream* in, Compress_Stream* out, int32_t method)
{
    if (!in || !out) return 0;
    switch (method) {
    case COMPRESS_LZW:
        if (in->mode == CMP_IO_MODE_MEMORY && out->mode == CMP_IO_MODE_MEMORY) return LZW_Expand_Memory(in, out);
        return LZW_Expand(in, out);
    case COMPRESS_LZSS: return LZSS_Expand(in, out);
    case COMPRESS_HUFFMAN: return Huffman_Expand(in, out);
    case COMPRESS_PACK4: return Pack4_Expand(in, out);
    default: return 0;
    }
}

static bool lzw_tabellen = false;

int Compress_LZW_Init()
{
    if (!lzw_tabellen) lzw_tabellen = LZW_Alloc_Tables() == 1;
    return 1;
}

int Compress_LZW_DeInit()
{
    if (lzw_tabellen) LZW_Free_Tables();
    lzw_tabellen = false;
    return 1;
}

uint8_t* Compress_Block(const uint8_t* data, uint32_t length, uint32_t* size_out)
{
    if (size_out) *size_out = 0;
    if (!data || !size_out) return nullptr;
    // A code is at most 15 bits per input byte, plus the end codes, the width steps and the
    // bit writer's spare byte: twice the input and a little more always holds the stream.
    if (length > (0x7FFFFFFFu - 64) / 2) return nullptr;
    Compress_Stream* in = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, const_cast<uint8_t*>(data), int32_t(length));
    if (!in) return nullptr;
    Compress_Stream* out = OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, nullptr, int32_t(length * 2 + 64));
    if (!out) {
        CloseInPutData(in, 1);
        return nullptr;
    }
    int ok = Compress_Data(in, out, COMPRESS_LZW);
    FlushOutPutData(out);
    uint8_t* block = nullptr;
    if (ok && !out->fehler) {
        uint32_t packed = out->position;
        block = static_cast<uint8_t*>(Mem_Alloc(packed + 4, 0));
        if (block) {
            std::memcpy(block + 4, out->buffer, packed);
            for (int i = 0; i < 4; ++i) block[i] = uint8_t(length >> (8 * i));
            *size_out = packed + 4;
        }
    }
    CloseOutPutData(out, 0);
    CloseInPutData(in, 1);
    return block;
}

// Within one dictionary generation the k-th code stands for at most k + 1 bytes.
static uint64_t lzw_max_output(uint32_t packed_bytes)
{
    uint64_t codes = uint64_t(packed_bytes) * 8 / 9;
    return codes * (codes + 3) / 2;
}

uint8_t* Decompress_Block(const uint8_t* block, uint32_t size, uint32_t* length_out)
{
    if (length_out) *length_out = 0;
    if (!block || !length_out || size < 5) return nullptr;
    uint32_t length = uint32_t(block[0]) | uint32_t(block[1]) << 8 | uint32_t(block[2]) << 16 |
                      uint32_t(block[3]) << 24;
    if (length == 0 || length > COMPRESS_BLOCK_MAX || length > lzw_max_output(size - 4)) return nullptr;
    Compress_Stream* in = OpenInPutData(CMP_IO_MODE_MEMORY, nullptr, const_cast<uint8_t*>(block + 4), int32_t(size - 4));
    if (!in) return nullptr;
    auto* data = static_cast<uint8_t*>(Mem_Alloc(length, 0));
    Compress_Stream* out = data ? OpenOutPutData(CMP_IO_MODE_MEMORY, nullptr, data, int32_t(length)) : nullptr;
    if (!out) {
        Mem_Free(data, 0);
        CloseInPutData(in, 1);
        return nullptr;
    }
    int ok = Expand_Data(in, out, COMPRESS_LZW);
    bool complete = ok && !out->fehler && out->position == length;
    CloseOutPutData(out, 1);
    CloseInPutData(in, 1);
    if (!complete) return static_cast<uint8_t*>(Mem_Free(data, 0));
    *length_out = length;
    return data;
}

// Float fields of the economy's byte images, little-endian like the integer ones.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/bytes.h"

inline float Bild_Hole_F32(const uint8_t* p)
{
    const uint32_t b = Bytes_Hole32(p);
    float f;
    std::memcpy(&f, &b, 4);
    return f;
}

inline void Bild_Setze_F32(uint8_t* p, float f)
{
    uint32_t b;
    std::memcpy(&b, &f, 4);
    Bytes_Setze32(p, b);
}

inline int32_t Bild_Hole_I32(const uint8_t* p) { return static_cast<int32_t>(Bytes_Hole32(p)); }
inline void Bild_Setze_I32(uint8_t* p, int32_t v) { Bytes_Setze32(p, static_cast<uint32_t>(v)); }

// A name field: terminated within its size.
inline bool Bild_Name_Gueltig(const uint8_t* p, uint32_t groesse) { return std::memchr(p, 0, groesse) != nullptr; }

// A money amount or count as stored: finite and not negative.
inline bool Bild_Wert_Gueltig(float f) { return std::isfinite(f) && f >= 0.0f; }

// A fixed table of records as one image, `groesse` bytes a record, and back. The reader takes
// all records or none.
template <typename T, size_t N>
std::vector<uint8_t> Bild_Tabelle_Schreiben(const T (&tabelle)[N], uint32_t groesse, void (*packen)(const T&, uint8_t*))
{
    std::vector<uint8_t> v(N * groesse);
    for (size_t i = 0; i < N; ++i) packen(tabelle[i], v.data() + i * groesse);
    return v;
}

template <typename T, size_t N>
bool Bild_Tabelle_Lesen(T (&tabelle)[N], const uint8_t* p, uint32_t laenge, uint32_t groesse,
                        bool (*entpacken)(const uint8_t*, T*))
{
    if (!p || laenge != N * groesse) return false;
    T neu[N];
    for (size_t i = 0; i < N; ++i)
        if (!entpacken(p + i * groesse, &neu[i])) return false;
    for (size_t i = 0; i < N; ++i) tabelle[i] = neu[i];
    return true;
}

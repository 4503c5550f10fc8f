// The keyed copies: source pixels of 0 keep the destination. A full-screen keyed blit is one
// of the program's busiest loops, so on x86-64 it works in vectors: SSE2 (always there) or
// AVX2 (chosen at run time). dst = src | (dst & (src == 0)) needs no blend instruction.
#include "platform/asm.h"

#include <cstddef>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ASM_X86_VEKTOR 1
#endif

namespace {

template <class T>
void schluessel_schlicht(T* dst, const T* src, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) dst[i] = src[i] ? src[i] : dst[i];
}

// Rows of one bitmap that overlap would see the vector's early reads: those go pixel by pixel.
template <class T>
bool ueberlappt(const T* dst, const T* src, uint32_t n)
{
    auto d = reinterpret_cast<uintptr_t>(dst), s = reinterpret_cast<uintptr_t>(src);
    size_t bytes = size_t(n) * sizeof(T);
    return d < s + bytes && s < d + bytes;
}

#ifdef ASM_X86_VEKTOR

template <class T>
inline __m128i schluessel_128(__m128i s, __m128i d)
{
    __m128i null = _mm_setzero_si128();
    __m128i leer = sizeof(T) == 1 ? _mm_cmpeq_epi8(s, null) : _mm_cmpeq_epi16(s, null);
    return _mm_or_si128(s, _mm_and_si128(leer, d));
}

template <class T>
inline void vektor_128(T* dst, const T* src, uint32_t i)
{
    __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), schluessel_128<T>(s, d));
}

// Two vectors a step, both read before either is written: half again as fast as one.
// The copy of a pixel is idempotent, so the last vector may overlap the one before it.
template <class T>
void schluessel_sse2(T* dst, const T* src, uint32_t n)
{
    constexpr uint32_t V = 16 / sizeof(T);
    if (n < V) return schluessel_schlicht(dst, src, n);
    uint32_t i = 0;
    for (; i + 2 * V <= n; i += 2 * V) {
        __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + V));
        __m128i d0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        __m128i d1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i + V));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), schluessel_128<T>(s0, d0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + V), schluessel_128<T>(s1, d1));
    }
    if (i + V <= n) {
        vektor_128(dst, src, i);
        i += V;
    }
    if (i < n) vektor_128(dst, src, n - V);
}

template <class T>
__attribute__((target("avx2"))) inline void vektor_256(T* dst, const T* src, uint32_t i)
{
    __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
    __m256i null = _mm256_setzero_si256();
    __m256i leer = sizeof(T) == 1 ? _mm256_cmpeq_epi8(s, null) : _mm256_cmpeq_epi16(s, null);
    __m256i ergebnis = _mm256_or_si256(s, _mm256_and_si256(leer, d));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), ergebnis);
}

template <class T>
__attribute__((target("avx2"))) void schluessel_avx2(T* dst, const T* src, uint32_t n)
{
    constexpr uint32_t V = 32 / sizeof(T);
    if (n < V) return schluessel_sse2(dst, src, n);
    uint32_t i = 0;
    for (; i + V <= n; i += V) vektor_256(dst, src, i);
    if (i < n) vektor_256(dst, src, n - V);
}

Asm_Vektor verfuegbar()
{
    static const Asm_Vektor v =
        __builtin_cpu_supports("avx2") ? Asm_Vektor::Avx2 : Asm_Vektor::Sse2;
    return v;
}

#else

Asm_Vektor verfuegbar() { return Asm_Vektor::Keine; }

#endif

// The paths in use, chosen at the first call (or by Asm_Vektor_Begrenzen): a call costs one
// indirect jump, which matters for the many short rows of sprites.
template <class T>
using Weg = void (*)(T*, const T*, uint32_t);

template <class T>
Weg<T> weg_fuer(Asm_Vektor v)
{
#ifdef ASM_X86_VEKTOR
    if (v == Asm_Vektor::Avx2) return schluessel_avx2<T>;
    if (v == Asm_Vektor::Sse2) return schluessel_sse2<T>;
#endif
    (void)v;
    return schluessel_schlicht<T>;
}

Asm_Vektor grenze = Asm_Vektor::Avx2;
template <class T>
void erster_aufruf(T* dst, const T* src, uint32_t n);
Weg<uint8_t> weg_8 = erster_aufruf<uint8_t>;
Weg<uint16_t> weg_16 = erster_aufruf<uint16_t>;

Asm_Vektor waehlen()
{
    Asm_Vektor v = verfuegbar() < grenze ? verfuegbar() : grenze;
    weg_8 = weg_fuer<uint8_t>(v);
    weg_16 = weg_fuer<uint16_t>(v);
    return v;
}

template <class T>
void erster_aufruf(T* dst, const T* src, uint32_t n)
{
    waehlen();
    if constexpr (sizeof(T) == 1) weg_8(dst, src, n);
    else weg_16(dst, src, n);
}

} // namespace

Asm_Vektor Asm_Vektor_Begrenzen(Asm_Vektor hoechstens)
{
    grenze = hoechstens;
    return waehlen();
}

void Asm_Copy_Transparent_8(uint8_t* dst, const uint8_t* src, uint32_t n)
{
    if (ueberlappt(dst, src, n)) schluessel_schlicht(dst, src, n);
    else weg_8(dst, src, n);
}

void Asm_Copy_Transparent_16(uint16_t* dst, const uint16_t* src, uint32_t n)
{
    if (ueberlappt(dst, src, n)) schluessel_schlicht(dst, src, n);
    else weg_16(dst, src, n);
}

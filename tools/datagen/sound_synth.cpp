#include "tools/datagen/sound_synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t RATE = 22050;
constexpr uint32_t RATE_HILFE = 11025;
constexpr double PI = 3.14159265358979323846;

// Deterministic noise, independent of the library's generators.
struct Rauschen {
    uint32_t s;
    explicit Rauschen(uint32_t seed) : s(seed * 2654435761u + 1) {}
    double next()  // -1 .. 1
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return double(s) / 2147483648.0 - 1.0;
    }
};

uint32_t ms(double m, uint32_t rate = RATE) { return uint32_t(m * rate / 1000.0); }

std::vector<int16_t> pcm(const std::vector<double>& x, double pegel = 1.0)
{
    std::vector<int16_t> out(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        out[i] = int16_t(std::lround(std::clamp(x[i] * pegel, -1.0, 1.0) * 30000.0));
    return out;
}

// Short attack and release so that nothing clicks at the edges.
void kanten(std::vector<double>& x, uint32_t an, uint32_t aus)
{
    for (uint32_t i = 0; i < an && i < x.size(); ++i) x[i] *= double(i) / an;
    for (uint32_t i = 0; i < aus && i < x.size(); ++i) x[x.size() - 1 - i] *= double(i) / aus;
}

std::vector<double> klick(double dauer_ms, double freq, double tau_ms, double rausch, uint32_t seed)
{
    Rauschen r(seed);
    std::vector<double> x(ms(dauer_ms));
    for (size_t i = 0; i < x.size(); ++i) {
        double t = double(i) / RATE;
        x[i] = std::exp(-t * 1000.0 / tau_ms) * ((1 - rausch) * std::sin(2 * PI * freq * t) + rausch * r.next());
    }
    kanten(x, 8, 32);
    return x;
}

void ton_anhaengen(std::vector<double>& x, double freq, double dauer_ms, double tau_ms)
{
    uint32_t n = ms(dauer_ms);
    for (uint32_t i = 0; i < n; ++i) {
        double t = double(i) / RATE;
        double e = std::exp(-t * 1000.0 / tau_ms) * std::min(1.0, i / 40.0) * std::min(1.0, (n - i) / 200.0);
        x.push_back(e * (0.8 * std::sin(2 * PI * freq * t) + 0.2 * std::sin(4 * PI * freq * t)));
    }
}

// A pea whistle: a high tone trilled by the pea.
void pfiff_anhaengen(std::vector<double>& x, double dauer_ms, uint32_t seed)
{
    Rauschen r(seed);
    uint32_t n = ms(dauer_ms);
    double phase = 0;
    for (uint32_t i = 0; i < n; ++i) {
        double t = double(i) / RATE;
        double freq = 2900 + 120 * std::sin(2 * PI * 28 * t);
        phase += 2 * PI * freq / RATE;
        double trill = 0.75 + 0.25 * std::sin(2 * PI * 28 * t);
        double e = std::min(1.0, i / 300.0) * std::min(1.0, (n - i) / 600.0);
        x.push_back(e * trill * (0.85 * std::sin(phase) + 0.1 * r.next()));
    }
}

// Crowd-like noise: low-passed noise with a slow swell of many voices.
std::vector<double> menge(uint32_t n, uint32_t seed, double schwell_hz)
{
    Rauschen r(seed);
    std::vector<double> x(n);
    double a = 0, b = 0;
    for (uint32_t i = 0; i < n; ++i) {
        double t = double(i) / RATE;
        a += 0.18 * (r.next() - a);
        b += 0.05 * (a - b);
        double schwell = 0.7 + 0.3 * std::sin(2 * PI * schwell_hz * t);
        x[i] = 1.3 * (a - b) * schwell;
    }
    return x;
}

// Cross-fades the tail into the head so that the sound loops without a seam.
std::vector<double> schleife(const std::vector<double>& x, uint32_t ueberblendung)
{
    uint32_t n = uint32_t(x.size()) - ueberblendung;
    std::vector<double> out(x.begin(), x.begin() + n);
    for (uint32_t i = 0; i < ueberblendung; ++i) {
        double w = double(i) / ueberblendung;
        out[i] = x[i] * w + x[n + i] * (1 - w);
    }
    return out;
}

std::vector<double> effekt(int32_t nummer)
{
    std::vector<double> x;
    switch (nummer) {
    case 1584: return klick(30, 2000, 4, 0.5, 1);
    case 1585: return klick(40, 1000, 7, 0.3, 2);
    case 1586: return klick(25, 4000, 3, 0.4, 3);
    case 1587: ton_anhaengen(x, 660, 120, 90); ton_anhaengen(x, 880, 180, 120); return x;
    case 1588: ton_anhaengen(x, 880, 120, 90); ton_anhaengen(x, 660, 180, 120); return x;
    case 1589: pfiff_anhaengen(x, 350, 4); return x;
    case 1590: pfiff_anhaengen(x, 900, 5); return x;
    case 1603: return schleife(menge(ms(3500), 6, 1.0 / 3.0), ms(500));
    case 2512: {
        x = schleife(menge(ms(4000), 9, 0.25), ms(500));
        for (double& v : x) v *= 0.5;
        return x;
    }
    case SOUND_SYNTH_AUKTION_MURMELN: {
        // A hall of quiet voices: the crowd's noise, softer and livelier.
        x = menge(ms(3000), 13, 2.0);
        for (double& v : x) v *= 0.45;
        return schleife(x, ms(400));
    }
    case SOUND_SYNTH_AUKTION_GONG: {
        // A struck metal plate: inharmonic partials that die away.
        x.resize(ms(1600));
        for (size_t i = 0; i < x.size(); ++i) {
            const double t = double(i) / RATE;
            x[i] = 0.45 * std::exp(-t * 2.5) * std::sin(2 * PI * 196 * t) + 0.25 * std::exp(-t * 4) * std::sin(2 * PI * 431 * t) +
                   0.15 * std::exp(-t * 7) * std::sin(2 * PI * 742 * t);
        }
        kanten(x, 8, ms(100));
        return x;
    }
    case 1604: {
        x = menge(ms(1500), 7, 0.5);
        for (size_t i = 0; i < x.size(); ++i) x[i] *= std::sin(PI * double(i) / x.size());
        return x;
    }
    case 1605: {
        x.resize(ms(800));
        for (size_t i = 0; i < x.size(); ++i) {
            double t = double(i) / RATE;
            double saege = 2 * (t * 220 - std::floor(t * 220 + 0.5)) + 2 * (t * 277 - std::floor(t * 277 + 0.5));
            x[i] = 0.3 * saege;
        }
        kanten(x, ms(30), ms(120));
        return x;
    }
    case 1606: {
        x = menge(ms(1000), 8, 0.7);
        double phase = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            double f = 180 - 60 * double(i) / x.size();
            phase += 2 * PI * f / RATE;
            x[i] = 0.6 * x[i] + 0.35 * std::sin(phase) * std::sin(PI * double(i) / x.size());
        }
        kanten(x, ms(20), ms(60));
        return x;
    }
    case 1607:
        pfiff_anhaengen(x, 180, 9);
        x.resize(x.size() + ms(120), 0.0);
        pfiff_anhaengen(x, 180, 10);
        x.resize(x.size() + ms(120), 0.0);
        pfiff_anhaengen(x, 700, 11);
        return x;
    case 1608: {
        Rauschen r(12);
        x.resize(ms(120));
        double phase = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            double t = double(i) / RATE;
            phase += 2 * PI * (120 - 60 * t / 0.12) / RATE;
            x[i] = std::exp(-t * 30) * std::sin(phase) + std::exp(-t * 400) * 0.4 * r.next();
        }
        kanten(x, 4, 64);
        return x;
    }
    // the live match scene: kicks, post, bar, net, keeper, whistles, cry, clicks, change, button, beam
    case 2495: case 2496: case 2497: case 2498: case 2499:
        return klick(90, 80 + 10 * (nummer - 2495), 25, 0.6, uint32_t(nummer));
    case 2500: case 2501: ton_anhaengen(x, 1700 + 200 * (nummer - 2500), 350, 120); return x;
    case 2502: x = menge(ms(350), 21, 0.4); kanten(x, ms(5), ms(200)); return x;
    case 2503: return klick(140, 110, 40, 0.5, 22);
    case 2504: pfiff_anhaengen(x, 180, 23); return x;
    case 2505: pfiff_anhaengen(x, 700, 24); return x;
    case 2506:
        for (uint32_t k = 0; k < 3; ++k) {
            pfiff_anhaengen(x, k < 2 ? 300 : 900, 25 + k);
            x.resize(x.size() + ms(150), 0.0);
        }
        return x;
    case 2507: ton_anhaengen(x, 620, 250, 200); ton_anhaengen(x, 450, 300, 200); return x;
    case 2508: return klick(25, 2500, 3, 0.3, 28);
    case 2509: ton_anhaengen(x, 880, 90, 60); ton_anhaengen(x, 1175, 140, 90); return x;
    case 2510: return klick(30, 1500, 5, 0.3, 29);
    case 2511:
        x.resize(ms(320));
        for (size_t i = 0; i < x.size(); ++i) {
            const double t = double(i) / RATE, f = 400 + 1200 * t / 0.32;
            x[i] = 0.5 * std::sin(2 * PI * f * t);
        }
        kanten(x, ms(10), ms(80));
        return x;
    // the live scene's crowd: the second background loop, chants, fouls, whistling, applause,
    // near misses, reactions and the goal cheer
    case 2513: {
        x = schleife(menge(ms(4000), 30, 0.3), ms(500));
        for (double& v : x) v *= 0.5;
        return x;
    }
    case 2514: case 2515: case 2516: case 2517: case 2518: {
        // a chant: the crowd's noise beating in the rhythm of the song
        const double takt = 1.6 + 0.3 * (nummer - 2514);
        x = menge(ms(nummer == 2518 ? 2500 : 5000), uint32_t(nummer), 0.5);
        for (size_t i = 0; i < x.size(); ++i) x[i] *= 0.55 + 0.45 * std::sin(2 * PI * takt * double(i) / RATE);
        kanten(x, ms(300), ms(600));
        return x;
    }
    case 2520: case 2521:
        for (uint32_t k = 0; k < 4; ++k) {
            pfiff_anhaengen(x, 250 + 60 * k, uint32_t(nummer) + k);
            x.resize(x.size() + ms(60), 0.0);
        }
        return x;
    case 2522: {
        // applause: many short claps over the crowd's noise
        x = menge(ms(2500), 31, 1.0);
        for (double& v : x) v *= 0.3;
        for (uint32_t k = 0; k < 40; ++k) {
            const std::vector<double> c = klick(12, 1800 + 37 * (k % 9), 2, 0.8, 40 + k);
            const size_t ab = size_t(ms(55.0 * k + 7.0 * (k % 5)));
            for (size_t i = 0; i < c.size() && ab + i < x.size(); ++i) x[ab + i] += 0.5 * c[i];
        }
        kanten(x, ms(100), ms(500));
        return x;
    }
    case 2519: case 2523: case 2524: case 2525: case 2526: case 2527: case 2528: case 2529: {
        // a reaction: a swell of voices, the goal cheer longer and louder
        const bool tor = nummer == 2529;
        x = menge(ms(tor ? 3500 : 1500), uint32_t(nummer), 2.0);
        for (size_t i = 0; i < x.size(); ++i) x[i] *= (tor ? 1.0 : 0.7) * std::sin(PI * double(i) / x.size());
        return x;
    }
    default: return {};
    }
}

// The seven tunes: 16 steps of scale degrees (-1 rest) over a bass line, each with its tempo.
struct Melodie {
    int toene[16];
    int bass[4];
    double schritt_ms;
    double grundton;
};
constexpr Melodie MELODIEN[SOUND_SYNTH_MENUE_ANZAHL] = {
    {{0, 2, 4, 7, 4, 2, 0, -1, 2, 4, 5, 4, 2, 1, 0, -1}, {0, 5, 3, 4}, 220, 261.63},
    {{4, -1, 4, 5, 7, 7, 5, 4, 2, 0, 0, 2, 4, 4, 2, -1}, {0, 4, 5, 4}, 240, 293.66},
    {{0, 4, 7, 9, 7, 4, 0, 4, 2, 5, 9, 11, 9, 5, 2, -1}, {0, 0, 1, 1}, 180, 220.00},
    {{7, 6, 4, 2, 4, -1, 2, 0, 2, 4, 6, 7, 6, 4, 2, -1}, {0, 3, 4, 0}, 260, 246.94},
    {{0, -1, 0, 7, 5, 4, 2, 0, 9, -1, 7, 5, 4, 2, 4, -1}, {0, 5, 3, 4}, 200, 329.63},
    {{2, 4, 2, 0, 2, 4, 5, 7, 5, 4, 2, 4, 0, -1, 0, -1}, {1, 4, 0, 5}, 230, 196.00},
    {{0, 2, 4, 5, 7, 9, 11, 12, 11, 9, 7, 5, 4, 2, 0, -1}, {0, 3, 4, 0}, 170, 277.18},
};

double stufe(double grundton, int grad)
{
    static const int DUR[7] = {0, 2, 4, 5, 7, 9, 11};
    int oktave = grad / 7, halbton = DUR[grad % 7] + 12 * oktave;
    return grundton * std::pow(2.0, halbton / 12.0);
}

std::vector<double> menue(int n)
{
    const Melodie& m = MELODIEN[n];
    uint32_t schritt = ms(m.schritt_ms);
    std::vector<double> x(size_t(schritt) * 16, 0.0);
    for (int s = 0; s < 16; ++s) {
        double bass = stufe(m.grundton / 2, m.bass[s / 4]);
        for (uint32_t i = 0; i < schritt; ++i) {
            double t = double(i) / RATE;
            size_t k = size_t(s) * schritt + i;
            double e = std::min(1.0, i / 60.0) * std::min(1.0, (schritt - i) / 120.0);
            // The bass sounds for a whole bar, without a gap at the loop's seam.
            double tb = double(k % (size_t(schritt) * 4)) / RATE;
            x[k] += 0.22 * std::sin(2 * PI * bass * tb) * std::min(1.0, (size_t(schritt) * 4 - k % (size_t(schritt) * 4)) / 120.0) *
                    std::min(1.0, (k % (size_t(schritt) * 4)) / 60.0);
            if (m.toene[s] < 0) continue;
            double f = stufe(m.grundton, m.toene[s]);
            x[k] += e * std::exp(-t * 4) * (0.4 * std::sin(2 * PI * f * t) + 0.12 * std::sin(4 * PI * f * t) +
                                            0.05 * std::sin(6 * PI * f * t));
        }
    }
    return x;
}

// Spoken help: syllables of a buzzing voice shaped by two vowel formants.
std::vector<double> hilfe(int n)
{
    static const double VOKALE[5][2] = {{800, 1200}, {500, 1900}, {300, 2300}, {500, 900}, {350, 800}};
    Rauschen r(1000 + uint32_t(n));
    int silben = 2 + int((r.next() + 1) * 2.5);
    double f0 = 110 + 40 * ((n * 37) % 7) / 6.0;
    std::vector<double> x;
    for (int s = 0; s < silben; ++s) {
        const double* v = VOKALE[uint32_t(r.next() * 1000 + 1000) % 5];
        uint32_t laenge = ms(110 + 60 * (r.next() + 1), RATE_HILFE);
        // Harmonic weights of the vowel, taken at the syllable's pitch.
        double gewicht[40] = {};
        for (int k = 1; k < 40 && k * f0 * 1.08 < RATE_HILFE / 2.0; ++k)
            for (int j = 0; j < 2; ++j) gewicht[k] += std::exp(-std::pow((k * f0 - v[j]) / 180.0, 2)) / std::sqrt(double(k));
        double phase = 0;
        for (uint32_t i = 0; i < laenge; ++i) {
            phase += 2 * PI * f0 * (1.0 + 0.08 * std::sin(PI * i / laenge)) / RATE_HILFE;
            double summe = 0;
            for (int k = 1; k < 40; ++k)
                if (gewicht[k] > 1e-4) summe += gewicht[k] * std::sin(k * phase);
            x.push_back(0.35 * summe * std::sin(PI * i / laenge));
        }
        x.resize(x.size() + ms(40, RATE_HILFE), 0.0);
    }
    return x;
}

void le(std::vector<uint8_t>& v, uint32_t x, int bytes)
{
    for (int i = 0; i < bytes; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

std::vector<uint8_t> kopf(uint32_t rate, uint16_t channels, uint16_t bits, uint32_t daten)
{
    std::vector<uint8_t> v{'R', 'I', 'F', 'F'};
    le(v, 36 + daten, 4);
    v.insert(v.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    le(v, 16, 4);
    le(v, 1, 2);
    le(v, channels, 2);
    le(v, rate, 4);
    uint32_t block = uint32_t(channels) * bits / 8;
    le(v, rate * block, 4);
    le(v, block, 2);
    le(v, bits, 2);
    v.insert(v.end(), {'d', 'a', 't', 'a'});
    le(v, daten, 4);
    return v;
}

}  // namespace

std::vector<uint8_t> Sound_Synth_Wav16(uint32_t rate, uint16_t channels, const std::vector<int16_t>& samples)
{
    std::vector<uint8_t> v = kopf(rate, channels, 16, uint32_t(samples.size() * 2));
    for (int16_t s : samples) le(v, uint16_t(s), 2);
    return v;
}

std::vector<uint8_t> Sound_Synth_Wav8(uint32_t rate, const std::vector<uint8_t>& samples)
{
    std::vector<uint8_t> v = kopf(rate, 1, 8, uint32_t(samples.size()));
    v.insert(v.end(), samples.begin(), samples.end());
    return v;
}

std::vector<uint8_t> Sound_Synth_Effekt(int32_t nummer)
{
    std::vector<double> x = effekt(nummer);
    if (x.empty()) return {};
    return Sound_Synth_Wav16(RATE, 1, pcm(x, 0.9));
}

std::vector<uint8_t> Sound_Synth_Menue(int n)
{
    if (n < 0 || n >= SOUND_SYNTH_MENUE_ANZAHL) return {};
    return Sound_Synth_Wav16(RATE, 1, pcm(menue(n), 0.8));
}

std::vector<uint8_t> Sound_Synth_Hilfe(int n)
{
    if (n < 0 || n >= SOUND_SYNTH_HILFE_ANZAHL) return {};
    std::vector<double> x = hilfe(n);
    std::vector<uint8_t> bytes(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        bytes[i] = uint8_t(std::lround(128 + 120 * std::clamp(x[i], -1.0, 1.0)));
    return Sound_Synth_Wav8(RATE_HILFE, bytes);
}

std::vector<uint8_t> Sound_Synth_Bytes(int32_t nummer)
{
    if (nummer >= SOUND_SYNTH_MENUE_BASIS && nummer < SOUND_SYNTH_MENUE_BASIS + SOUND_SYNTH_MENUE_ANZAHL)
        return Sound_Synth_Menue(nummer - SOUND_SYNTH_MENUE_BASIS);
    if (nummer >= SOUND_SYNTH_HILFE_BASIS && nummer < SOUND_SYNTH_HILFE_BASIS + SOUND_SYNTH_HILFE_ANZAHL)
        return Sound_Synth_Hilfe(nummer - SOUND_SYNTH_HILFE_BASIS);
    return Sound_Synth_Effekt(nummer);
}

std::vector<Sound_Synth_Eintrag> Sound_Synth_Eintraege()
{
    std::vector<Sound_Synth_Eintrag> e;
    for (int32_t n : SOUND_SYNTH_EFFEKTE) e.push_back({n, "resf_scr.res"});
    for (int i = 0; i < SOUND_SYNTH_MENUE_ANZAHL; ++i) e.push_back({SOUND_SYNTH_MENUE_BASIS + i, "resf_scr.res"});
    for (int i = 0; i < SOUND_SYNTH_HILFE_ANZAHL; ++i) e.push_back({SOUND_SYNTH_HILFE_BASIS + i, "data.bin"});
    return e;
}

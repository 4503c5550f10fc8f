#include "graphics/pic.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/grafik_fortschritt.h"
#include "graphics/grafik_screen.h"
#include "graphics/grafik_spielerfigur.h"
#include "graphics/grafik_wappen.h"
#include "platform/asm.h"
#include "platform/bytes.h"
#include "platform/print.h"
#include "platform/win95.h"
#include "platform/win95_dialog.h"
#include "platform/os/os_file.h"

namespace {

// Pictures of the user's files larger than this (or with longer PCX lines than their width
// needs) are refused before anything is allocated.
constexpr int32_t MAX_SEITE = 4096;
constexpr size_t MAX_DATEI = size_t(64) << 20;

const char* ordner(int32_t art)
{
    switch (art) {
    case PIC_MANAGER_BILDER: return Pfad_Manager_Bilder;
    case PIC_SPIELER_BILDER: return Pfad_Spieler_Bilder;
    case PIC_VEREINS_WAPPEN: return Pfad_Vereins_Wappen;
    default: return nullptr;
    }
}

std::string im_ordner(int32_t art, const char* name)
{
    const char* o = ordner(art);
    return o ? std::string(o) + "/" + name : std::string();
}

std::string bild_pfad(int32_t art, int32_t nummer, const char* endung)
{
    char name[32];
    std::snprintf(name, sizeof name, "%04d.%s", nummer, endung);
    return im_ordner(art, name);
}

bool datei_lesen(const char* pfad, std::vector<uint8_t>& daten)
{
    daten.clear();
    if (!pfad) return false;
    std::FILE* f = Os_File_Open(pfad, "rb");
    if (!f) return false;
    uint8_t block[4096];
    size_t n;
    bool ok = true;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0) {
        if (daten.size() + n > MAX_DATEI) {
            ok = false;
            break;
        }
        daten.insert(daten.end(), block, block + n);
    }
    if (std::ferror(f)) ok = false;
    std::fclose(f);
    return ok;
}

uint16_t rgb565(uint32_t r, uint32_t g, uint32_t b)
{
    return uint16_t(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

bool ist_16bit(const Rastport* rp)
{
    return rp && !rp->packed && rp->pixels && (rp->depth == 15 || rp->depth == 16);
}

// ---- user picture files ----

struct Rpb_Kopf {
    uint8_t zeit[RPB_ZEIT_GROESSE];
    char name[RPB_NAME_GROESSE];
    uint32_t w, h;
};

bool kopf_lesen(std::FILE* f, Rpb_Kopf& k)
{
    uint8_t b[RPB_KOPF_GROESSE];
    if (std::fread(b, 1, sizeof b, f) != sizeof b) return false;
    std::memcpy(k.zeit, b, RPB_ZEIT_GROESSE);
    std::memcpy(k.name, b + RPB_ZEIT_GROESSE, RPB_NAME_GROESSE);
    k.name[RPB_NAME_GROESSE - 1] = 0;
    k.w = Bytes_Hole32(b + 272);
    k.h = Bytes_Hole32(b + 276);
    return true;
}

bool kopf_aus_datei(const char* pfad, Rpb_Kopf& k)
{
    std::FILE* f = Os_File_Open(pfad, "rb");
    if (!f) return false;
    bool ok = kopf_lesen(f, k);
    std::fclose(f);
    return ok;
}

void zeit_bytes(const Win95_Datei_Zeiten& z, uint8_t* b)
{
    for (int i = 0; i < 8; ++i) {
        b[i] = uint8_t(z.erstellt >> (8 * i));
        b[8 + i] = uint8_t(z.geschrieben >> (8 * i));
    }
}

// A source name from a file is untrusted: only a plain name with a three-letter extension in
// the picture's own folder is followed.
bool quellname_sicher(const char* name)
{
    size_t n = std::strlen(name);
    if (n < 5 || name[n - 4] != '.') return false;
    if (std::strchr(name, '/') || std::strchr(name, '\\')) return false;
    return std::strcmp(name, "..") != 0;
}

// ---- PCX ----

// Reads a PCX into RGB565 pixels of exactly want_w x want_h when `pixel` is given; else only
// checks the header and reports the size.
bool pcx(const char* pfad, int32_t* w, int32_t* h, uint16_t* pixel, int32_t want_w, int32_t want_h)
{
    std::vector<uint8_t> d;
    if (!datei_lesen(pfad, d) || d.size() < 128) return false;
    const int bpp = d[3], ebenen = d[65];
    if (d[0] != 0x0A || bpp != 8 || (ebenen != 1 && ebenen != 3)) return false;
    if (ebenen == 1 && (d[1] != 5 || d.size() < 128 + 768)) return false;
    const int32_t x0 = Bytes_Hole16(&d[4]), y0 = Bytes_Hole16(&d[6]);
    const int32_t x1 = Bytes_Hole16(&d[8]), y1 = Bytes_Hole16(&d[10]);
    const int32_t bpl = Bytes_Hole16(&d[66]);
    const int32_t bw = x1 - x0 + 1, bh = y1 - y0 + 1;
    if (bw <= 0 || bh <= 0 || bw > MAX_SEITE || bh > MAX_SEITE || bpl < bw || bpl > bw + 8) return false;
    if (w) *w = bw;
    if (h) *h = bh;
    if (!pixel) return true;
    if (bw != want_w || bh != want_h) return false;

    const size_t ende = ebenen == 1 ? d.size() - 768 : d.size();
    const size_t zeile = size_t(bpl) * ebenen, gesamt = zeile * bh;
    // a run of at most 63 bytes per two input bytes: a stream that cannot fill the picture
    // is refused before the buffer is made
    if (gesamt > (ende - 128) * 32) return false;
    std::vector<uint8_t> strom(gesamt);
    size_t pos = 128, n = 0;
    bool ueberlauf = false;
    while (n < gesamt && pos < ende) {
        uint8_t b = d[pos++];
        size_t anzahl = 1;
        if (d[2] != 0 && (b & 0xC0) == 0xC0) {
            if (pos >= ende) break;
            anzahl = b & 63;
            b = d[pos++];
        }
        if (anzahl > gesamt - n) {
            anzahl = gesamt - n;
            ueberlauf = true;
        }
        std::memset(&strom[n], b, anzahl);
        n += anzahl;
    }
    if (ueberlauf) Win95_Meldung("!! PCX Überlauf !!");
    if (n < gesamt) return false;
    const uint8_t* pal = ebenen == 1 ? &d[d.size() - 768] : nullptr;
    for (int32_t y = 0; y < bh; ++y) {
        const uint8_t* z = &strom[size_t(y) * zeile];
        uint16_t* out = pixel + size_t(y) * bw;
        for (int32_t x = 0; x < bw; ++x) {
            if (pal) {
                const uint8_t* c = pal + 3 * z[x];
                out[x] = rgb565(c[0], c[1], c[2]);
            } else {
                out[x] = rgb565(z[x], z[bpl + x], z[2 * bpl + x]);
            }
        }
    }
    return true;
}

// ---- BMP ----

bool bmp(const char* pfad, int32_t* w, int32_t* h, uint16_t* pixel, int32_t want_w, int32_t want_h)
{
    std::vector<uint8_t> d;
    if (!datei_lesen(pfad, d) || d.size() < 54 || d[0] != 'B' || d[1] != 'M') return false;
    const uint32_t daten_ab = Bytes_Hole32(&d[10]), info = Bytes_Hole32(&d[14]);
    const int32_t bw = int32_t(Bytes_Hole32(&d[18])), roh_h = int32_t(Bytes_Hole32(&d[22]));
    const int bits = Bytes_Hole16(&d[28]);
    const uint32_t kompression = Bytes_Hole32(&d[30]);
    if (info < 40 || info > d.size() - 14 || (bits != 8 && bits != 24) || kompression != 0) return false;
    if (bw <= 0 || bw > MAX_SEITE || roh_h == 0 || roh_h < -MAX_SEITE || roh_h > MAX_SEITE) return false;
    const int32_t bh = roh_h < 0 ? -roh_h : roh_h;
    const size_t schritt = (size_t(bw) * (bits / 8) + 3) & ~size_t(3);
    if (daten_ab > d.size() || schritt * bh > d.size() - daten_ab) return false;
    uint32_t farben = 0;
    if (bits == 8) {
        farben = Bytes_Hole32(&d[46]);
        if (farben == 0 || farben > 256) farben = 256;
        if (size_t(14) + info + size_t(farben) * 4 > d.size()) return false;
    }
    if (w) *w = bw;
    if (h) *h = bh;
    if (!pixel) return true;
    if (bw != want_w || bh != want_h) return false;
    const uint8_t* pal = &d[14 + info];
    for (int32_t y = 0; y < bh; ++y) {
        // a positive height stores the rows bottom-up
        const uint8_t* z = &d[daten_ab + schritt * size_t(roh_h > 0 ? bh - 1 - y : y)];
        uint16_t* out = pixel + size_t(y) * bw;
        for (int32_t x = 0; x < bw; ++x) {
            if (bits == 8) {
                // an index past a short palette shows black
                const uint8_t* c = z[x] < farben ? pal + 4 * z[x] : nullptr;
                out[x] = c ? rgb565(c[2], c[1], c[0]) : 0;
            } else {
                const uint8_t* c = z + 3 * x;
                out[x] = rgb565(c[2], c[1], c[0]);
            }
        }
    }
    return true;
}

void rgb_aus_pixel(uint16_t p, int32_t depth, uint8_t* bgr)
{
    if (depth == 15) {
        bgr[2] = uint8_t(((p >> 10) & 31) << 3);
        bgr[1] = uint8_t(((p >> 5) & 31) << 3);
    } else {
        bgr[2] = uint8_t((p >> 11) << 3);
        bgr[1] = uint8_t(((p >> 5) & 63) << 2);
    }
    bgr[0] = uint8_t((p & 31) << 3);
}

// Reads a picture of a source into a new RGB565 bitmap of its own size.
Rastport* roh_laden(const char* pfad, int32_t quelle)
{
    int32_t w = 0, h = 0;
    if (quelle == PIC_QUELLE_PCX) {
        if (!PCX_Groesse(pfad, &w, &h, 16)) return nullptr;
    } else if (quelle == PIC_QUELLE_BMP) {
        if (!BMP_Groesse(pfad, &w, &h)) return nullptr;
    } else if (quelle == PIC_QUELLE_ZWISCHENABLAGE) {
        if (!Win95_Clipboard_Bitmap_Size(&w, &h) || w <= 0 || h <= 0) return nullptr;
    } else {
        return nullptr;
    }
    Rastport* rp = Grafik_Bitmap_Anlegen(w, h, 16);
    if (!rp) return nullptr;
    auto* p = static_cast<uint16_t*>(rp->pixels);
    const int32_t ok = quelle == PIC_QUELLE_PCX ? PCX_Lesen(pfad, p, w, h, 16)
                       : quelle == PIC_QUELLE_BMP ? BMP_Lesen(pfad, p, w, h)
                                                  : Win95_Clipboard_Bitmap_Get(p, w, h);
    return ok ? rp : Grafik_Bitmap_Freigeben(rp);
}

}  // namespace

int32_t Pic_Speichern(const char* pfad, const Rastport* bild, const uint8_t* zeit, const char* name)
{
    if (!pfad || !ist_16bit(bild)) {
        Print_Fehler("Pic_Speichern: kein 16-Bit-Bild!");
        return 0;
    }
    const int32_t w = int32_t(bild->width), h = int32_t(bild->height);
    if (w <= 0 || h <= 0 || w > RPB_MAX_BREITE || h > RPB_MAX_HOEHE) {
        Print_Fehler("Pic_Speichern: Bild %dx%d zu groß!", w, h);
        return 0;
    }
    uint8_t kopf[RPB_KOPF_GROESSE] = {};
    if (zeit) std::memcpy(kopf, zeit, RPB_ZEIT_GROESSE);
    if (name) std::snprintf(reinterpret_cast<char*>(kopf + RPB_ZEIT_GROESSE), RPB_NAME_GROESSE, "%s", name);
    Bytes_Setze32(kopf + 272, uint32_t(w));
    Bytes_Setze32(kopf + 276, uint32_t(h));
    std::vector<uint8_t> daten(kopf, kopf + sizeof kopf);
    daten.resize(RPB_KOPF_GROESSE + size_t(w) * h * 2);
    const auto* p = static_cast<const uint16_t*>(bild->pixels);
    for (size_t i = 0; i < size_t(w) * h; ++i) {
        uint16_t v = p[i];
        // files hold RGB565; 15-bit pixels are widened
        if (bild->depth == 15) v = uint16_t(((v & 0x7FE0) << 1) | (v & 0x1F));
        Bytes_Setze16(&daten[RPB_KOPF_GROESSE + 2 * i], v);
    }
    std::FILE* f = Os_File_Open(pfad, "wb");
    if (!f) return 0;
    bool ok = std::fwrite(daten.data(), 1, daten.size(), f) == daten.size();
    ok = std::fclose(f) == 0 && ok;
    return ok ? 1 : 0;
}

Rastport* Pic_Change_Load_User_Bild(int32_t nummer, Rastport* target, int32_t depth, int32_t art,
                                    int32_t* gefunden)
{
    Grafik_Seite_Beschrieben(target);
    if (!gefunden) {
        Print_Fehler("Pic_Change_Load_User_Bild: okay-Pointer==NULL!");
        return nullptr;
    }
    *gefunden = 0;
    const std::string pfad = bild_pfad(art, nummer, "rpb");
    if (pfad.empty()) return nullptr;
    std::FILE* f = Os_File_Open(pfad.c_str(), "rb");
    if (!f) return nullptr;
    *gefunden = 1;
    Rpb_Kopf k;
    std::vector<uint8_t> roh;
    bool ok = kopf_lesen(f, k) && k.w > 0 && k.h > 0 && k.w <= uint32_t(RPB_MAX_BREITE) &&
              k.h <= uint32_t(RPB_MAX_HOEHE);
    if (ok) {
        roh.resize(size_t(k.w) * k.h * 2);
        ok = std::fread(roh.data(), 1, roh.size(), f) == roh.size();
    }
    std::fclose(f);
    if (!ok) return nullptr;
    if (target && target->packed) target = nullptr;
    Rastport* bild = target;
    if (bild) {
        // a stored picture never writes past the caller's bitmap
        if (!ist_16bit(bild) || bild->width < k.w || bild->height < k.h) return nullptr;
    } else {
        bild = Grafik_Bitmap_Anlegen(int32_t(k.w), int32_t(k.h), 16);
        if (!bild) return nullptr;
    }
    auto* p = static_cast<uint16_t*>(bild->pixels);
    for (uint32_t y = 0; y < k.h; ++y) {
        uint16_t* z = p + size_t(y) * bild->width;
        for (uint32_t x = 0; x < k.w; ++x) z[x] = Bytes_Hole16(&roh[2 * (size_t(y) * k.w + x)]);
        if (depth == 15) Asm_Convert_565_To_555(z, z, k.w);
    }
    bild->depth = depth == 15 ? 15 : 16;
    return bild;
}

int32_t Pic_Schreiben_Nr(int32_t nummer, const Rastport* bild, int32_t art)
{
    const std::string pfad = bild_pfad(art, nummer, "rpb");
    return pfad.empty() ? 0 : Pic_Speichern(pfad.c_str(), bild, nullptr, nullptr);
}

int32_t Pic_Anzahl(int32_t art)
{
    const char* o = ordner(art);
    return o ? Win95_Count_Files(o, "*.rpb") : 0;
}

int32_t Pic_Nummern_Ermitteln(int32_t art, int32_t kapazitaet, int32_t* nummern)
{
    const char* o = ordner(art);
    if (!o || !nummern || kapazitaet <= 0) return 0;
    std::vector<char> namen(size_t(kapazitaet) * 256);
    const int32_t n = Win95_Get_File_Names(o, "*.rpb", kapazitaet, namen.data());
    int32_t anzahl = 0;
    for (int32_t i = 0; i < n; ++i) {
        const char* name = &namen[size_t(i) * 256];
        // the number stands in the first five characters; a name without one is no picture
        if (name[0] < '0' || name[0] > '9') continue;
        char kopf[6] = {};
        std::memcpy(kopf, name, 5);
        nummern[anzahl++] = int32_t(std::strtol(kopf, nullptr, 10));
    }
    return anzahl;
}

int32_t Pic_Nummer_Aus_Name(const char* name)
{
    if (!name) return -1;
    const size_t n = std::strlen(name);
    int64_t zahl = -1;
    for (size_t i = 0; i + 4 < n; ++i)
        if (name[i] >= '0' && name[i] <= '9') {
            zahl = (zahl < 0 ? 0 : zahl) * 10 + (name[i] - '0');
            if (zahl > INT32_MAX) zahl = INT32_MAX;
        }
    return int32_t(zahl);
}

int32_t Pic_Loeschen(int32_t nummer, int32_t art)
{
    const std::string pfad = bild_pfad(art, nummer, "rpb");
    if (pfad.empty() || !Win95_File_Exists(pfad.c_str())) return 0;
    return Win95_Delete_File(pfad.c_str());
}

int32_t Pic_Datei_Kopieren(const char* von, const char* nach)
{
    if (!von || !nach) return 0;
    return Win95_Copy_File(von, nach);
}

int32_t Pic_Sicherung(int32_t nummer, int32_t richtung, int32_t art)
{
    const std::string rpb = bild_pfad(art, nummer, "rpb"), bpb = bild_pfad(art, nummer, "bpb");
    if (rpb.empty()) return 0;
    const std::string& von = richtung ? rpb : bpb;
    const std::string& nach = richtung ? bpb : rpb;
    if (!Pic_Datei_Kopieren(von.c_str(), nach.c_str())) return 0;
    Rpb_Kopf k;
    if (!kopf_aus_datei(von.c_str(), k) || !quellname_sicher(k.name)) return 1;
    std::string sicher = k.name;
    sicher[sicher.size() - 3] = 'b';
    const std::string quelle = im_ordner(art, k.name), kopie = im_ordner(art, sicher.c_str());
    if (richtung)
        Pic_Datei_Kopieren(quelle.c_str(), kopie.c_str());
    else
        Pic_Datei_Kopieren(kopie.c_str(), quelle.c_str());
    return 1;
}

Rastport* Pic_Laden(const char* pfad, int32_t quelle, int32_t, int32_t transparent)
{
    Rastport* rp = roh_laden(pfad, quelle);
    if (!rp || !transparent) return rp;
    auto* p = static_cast<uint16_t*>(rp->pixels);
    const size_t n = size_t(rp->width) * rp->height;
    const uint16_t grund = p[0];
    for (size_t i = 0; i < n; ++i) p[i] = p[i] == grund ? 0 : (p[i] == 0 ? 1 : p[i]);
    return rp;
}

Rastport* Pic_Konvertieren(const char* pfad, int32_t w, int32_t h, int32_t depth, int32_t quelle,
                           int32_t transparent)
{
    if (w <= 0 || h <= 0 || w > RPB_MAX_BREITE || h > RPB_MAX_HOEHE) return nullptr;
    Rastport* bild = Pic_Laden(pfad, quelle, depth, transparent);
    if (!bild) return nullptr;
    auto* p = static_cast<uint16_t*>(bild->pixels);
    if (depth == 15) {
        Asm_Convert_565_To_555(p, p, bild->width * bild->height);
        bild->depth = 15;
    }
    if (!transparent) Grafik_Nullpixel_Ersetzen(bild);
    Rastport* neu = Grafik_Bitmap_Anlegen(w, h, bild->depth);
    if (neu) {
        if (int32_t(bild->width) > w && int32_t(bild->height) > h)
            Grafik_Bild_Verkleinern(bild, neu, w, h);
        else
            Grafik_Bild_Vergroessern(bild, neu, h);
    }
    Grafik_Bitmap_Freigeben(bild);
    return neu;
}

int32_t Pic_Aus_Zwischenablage() { return Win95_Clipboard_Bitmap_Size(nullptr, nullptr); }

void Pic_Import_Beim_Start()
{
    Pic_Import_Pcx(36, 41, 0, 32000, PIC_SPIELER_BILDER, nullptr, nullptr);
    Pic_Import_Pcx(40, 40, 0, 32000, PIC_VEREINS_WAPPEN, nullptr, nullptr);
}

int32_t Pic_Import_Pcx(int32_t w, int32_t h, int32_t min, int32_t max, int32_t art,
                       Pic_Meldung_Proc meldung, void* argument)
{
    const char* o = ordner(art);
    if (!o || w <= 0 || h <= 0 || w > RPB_MAX_BREITE || h > RPB_MAX_HOEHE) {
        Print_Fehler("Pic_Import_Pcx: Art %d oder Größe %dx%d ungültig!", art, w, h);
        return -1;
    }
    auto melden = [&](const char* text) {
        if (meldung)
            meldung(text, argument);
        else
            Win95_Meldung("%s", text);
    };
    // what the pictures already there were made from
    std::vector<Rpb_Kopf> vorhanden;
    const int32_t rpb_zahl = Win95_Count_Files(o, "*.rpb");
    if (rpb_zahl > 0) {
        std::vector<char> namen(size_t(rpb_zahl) * 256);
        const int32_t n = Win95_Get_File_Names(o, "*.rpb", rpb_zahl, namen.data());
        for (int32_t i = 0; i < n; ++i) {
            Rpb_Kopf k;
            if (kopf_aus_datei(im_ordner(art, &namen[size_t(i) * 256]).c_str(), k)) vorhanden.push_back(k);
        }
    }
    const int32_t anzahl = Win95_Count_Files(o, "*.pcx");
    if (anzahl <= 0) return -1;
    std::vector<char> namen(size_t(anzahl) * 256);
    const int32_t n = Win95_Get_File_Names(o, "*.pcx", anzahl, namen.data());
    static const char* const TITEL[3] = {"Lese und konvertiere Manager Bilder",
                                         "Lese und konvertiere Spieler Bilder",
                                         "Lese und konvertiere Vereinswappen"};
    const bool box = n > 30 && Grafik_Fortschritt_Oeffnen(TITEL[art], -1, -1);
    int32_t geschrieben = 0;
    char text[700];
    for (int32_t i = 0; i < n; ++i) {
        const char* name = &namen[size_t(i) * 256];
        if (box) Grafik_Fortschritt_Setzen(i * 100 / n, nullptr);
        const int32_t nummer = Pic_Nummer_Aus_Name(name);
        if (nummer < min || nummer > max) {
            std::snprintf(text, sizeof text,
                          "\"%s\" ist kein gültiger Bilddateiname. Bitte verwenden Sie '%04d.pcx' bis "
                          "'%04d.pcx' für das Verzeichnis %s.",
                          name, min, max, o);
            melden(text);
            continue;
        }
        const std::string pfad = im_ordner(art, name);
        Win95_Datei_Zeiten zeiten{};
        Win95_Get_File_Time(pfad.c_str(), &zeiten);
        uint8_t zeit[RPB_ZEIT_GROESSE];
        zeit_bytes(zeiten, zeit);
        bool aktuell = false;
        for (const Rpb_Kopf& k : vorhanden)
            aktuell |= std::strcmp(k.name, name) == 0 && std::memcmp(k.zeit, zeit, sizeof zeit) == 0;
        if (aktuell) continue;
        Rastport* bild = Pic_Konvertieren(pfad.c_str(), w, h, 16, PIC_QUELLE_PCX, art == PIC_VEREINS_WAPPEN);
        if (!bild) {
            std::snprintf(text, sizeof text, "Das Bild \"%s\" konnte nicht gelesen werden.", name);
            melden(text);
            bild = Grafik_Bitmap_Anlegen(w, h, 16);
        }
        if (bild && Pic_Speichern(bild_pfad(art, nummer, "rpb").c_str(), bild, zeit, name)) ++geschrieben;
        Grafik_Bitmap_Freigeben(bild);
    }
    if (box) {
        Grafik_Fortschritt_Setzen(100, "Fertig!");
        Win95_Sleep(300);
        Grafik_Fortschritt_Schliessen();
    }
    return geschrieben ? geschrieben : -1;
}

int32_t BMP_Groesse(const char* pfad, int32_t* w, int32_t* h)
{
    return bmp(pfad, w, h, nullptr, 0, 0) ? 1 : 0;
}

int32_t BMP_Lesen(const char* pfad, uint16_t* pixel, int32_t w, int32_t h)
{
    return pixel && bmp(pfad, nullptr, nullptr, pixel, w, h) ? 1 : 0;
}

int32_t PCX_Groesse(const char* pfad, int32_t* w, int32_t* h, int32_t)
{
    return pcx(pfad, w, h, nullptr, 0, 0) ? 1 : 0;
}

int32_t PCX_Lesen(const char* pfad, uint16_t* pixel, int32_t w, int32_t h, int32_t depth)
{
    // pixels are made only as RGB565
    if (depth != 16 || !pixel) return 0;
    return pcx(pfad, nullptr, nullptr, pixel, w, h) ? 1 : 0;
}

int32_t TGA_Schreiben(const char* pfad, int32_t w, int32_t h, const void* pixel, int32_t depth,
                      const uint8_t* palette)
{
    if (!pfad || !pixel || w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF) return 0;
    if (depth != 8 && depth != 15 && depth != 16 && depth != 24) return 0;
    if (depth == 8 && !palette) return 0;
    std::vector<uint8_t> d(18, 0);
    const bool mapped = depth == 8;
    d[1] = mapped ? 1 : 0;
    d[2] = mapped ? 1 : 2;
    if (mapped) {
        Bytes_Setze16(&d[5], 256);
        d[7] = 24;
    }
    Bytes_Setze16(&d[12], uint16_t(w));
    Bytes_Setze16(&d[14], uint16_t(h));
    d[16] = mapped ? 8 : 24;
    if (mapped)
        for (int i = 0; i < 256; ++i)
            for (int k = 2; k >= 0; --k) d.push_back(uint8_t(palette[3 * i + k] * 4));
    // rows bottom to top
    for (int32_t y = h - 1; y >= 0; --y)
        for (int32_t x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            if (mapped) {
                d.push_back(static_cast<const uint8_t*>(pixel)[i]);
            } else if (depth == 24) {
                const uint8_t* c = static_cast<const uint8_t*>(pixel) + 3 * i;
                d.insert(d.end(), c, c + 3);
            } else {
                uint8_t bgr[3];
                rgb_aus_pixel(static_cast<const uint16_t*>(pixel)[i], depth, bgr);
                d.insert(d.end(), bgr, bgr + 3);
            }
        }
    std::FILE* f = Os_File_Open(pfad, "wb");
    if (!f) return 0;
    bool ok = std::fwrite(d.data(), 1, d.size(), f) == d.size();
    ok = std::fclose(f) == 0 && ok;
    return ok ? 1 : 0;
}

int32_t TGA_Lesen(const char* pfad, int32_t w, int32_t h, void* pixel, int32_t depth, uint8_t* palette)
{
    std::vector<uint8_t> d;
    if (!pixel || !datei_lesen(pfad, d) || d.size() < 18) return 0;
    const int bits = d[16];
    const bool mapped = d[1] == 1 && d[2] == 1 && bits == 8;
    const bool wahr = d[1] == 0 && d[2] == 2 && (bits == 16 || bits == 24);
    if (!mapped && !wahr) return 0;
    if (mapped ? depth != 8 : (depth != 15 && depth != 16 && depth != 24)) return 0;
    if (Bytes_Hole16(&d[12]) != w || Bytes_Hole16(&d[14]) != h || w <= 0 || h <= 0) return 0;
    size_t pos = 18 + size_t(d[0]);
    if (mapped) {
        const int32_t erste = Bytes_Hole16(&d[3]), laenge = Bytes_Hole16(&d[5]);
        if (!palette || d[7] != 24 || erste != 0 || laenge > 256) return 0;
        if (pos + size_t(laenge) * 3 > d.size()) return 0;
        std::memset(palette, 0, 768);
        for (int32_t i = 0; i < laenge; ++i)
            for (int k = 0; k < 3; ++k) palette[3 * i + k] = uint8_t(d[pos + 3 * i + 2 - k] >> 2);
        pos += size_t(laenge) * 3;
    } else if (d[1] == 0 && Bytes_Hole16(&d[5]) != 0) {
        return 0;
    }
    const size_t bpp = size_t(bits / 8);
    if (pos > d.size() || size_t(w) * h * bpp > d.size() - pos) return 0;
    const bool oben_zuerst = d[17] & 0x20;
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* z = &d[pos + size_t(oben_zuerst ? y : h - 1 - y) * w * bpp];
        for (int32_t x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            const uint8_t* c = z + size_t(x) * bpp;
            if (mapped) {
                static_cast<uint8_t*>(pixel)[i] = c[0];
                continue;
            }
            uint32_t r, g, b;
            if (bits == 24) {
                b = c[0], g = c[1], r = c[2];
            } else {
                const uint16_t v = Bytes_Hole16(c);
                r = ((v >> 10) & 31) << 3, g = ((v >> 5) & 31) << 3, b = (v & 31) << 3;
            }
            if (depth == 24) {
                uint8_t* o = static_cast<uint8_t*>(pixel) + 3 * i;
                o[0] = uint8_t(b), o[1] = uint8_t(g), o[2] = uint8_t(r);
            } else if (depth == 15) {
                static_cast<uint16_t*>(pixel)[i] = uint16_t(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
            } else {
                static_cast<uint16_t*>(pixel)[i] = rgb565(r, g, b);
            }
        }
    }
    return 1;
}

#include "platform/wert.h"

#include <cmath>

#include "platform/print.h"

// Truncation towards zero without undefined behaviour for values beyond 32 bits.
static int32_t abschneiden(double d)
{
    if (!(d == d)) return 0;
    if (d >= 2147483647.0) return INT32_MAX;
    if (d <= -2147483648.0) return INT32_MIN;
    return int32_t(d);
}

int32_t Wert_Im_Bereich(int32_t v, int32_t lo, int32_t hi, int32_t standard)
{
    if (v >= lo && v <= hi) return v;
    if (standard != -1) return standard;
    return v > hi ? hi : lo;
}

int32_t Abs_Diff(int32_t a, int32_t b)
{
    return a > b ? int32_t(uint32_t(a) - uint32_t(b)) : int32_t(uint32_t(b) - uint32_t(a));
}

int32_t Potenz(int32_t basis, int32_t exp)
{
    uint32_t r = 1;
    for (int32_t i = 0; i < exp; ++i) r *= uint32_t(basis);
    return int32_t(r);
}

int32_t Float_Runden(float f)
{
    float g = f > 0.0f ? f + 0.5f : f - 0.5f;
    return abschneiden(g);
}

int32_t Hypotenuse_Int(int32_t dx, int32_t dy)
{
    uint32_t summe = uint32_t(dx) * uint32_t(dx) + uint32_t(dy) * uint32_t(dy);
    return abschneiden(std::sqrt(double(summe)));
}

float Hypotenuse_Float(float x, float y) { return std::sqrt(x * x + y * y); }

static float abstand(float x1, float y1, float x2, float y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

int32_t Geometrie_Treffpunkt(float px, float py, float vp, float ax, float ay, float bx, float by,
                             float vb, float t, float dt, float slack, int32_t suchen,
                             int32_t* out_x, int32_t* out_y, float max_x, float max_y,
                             int32_t tiefer, int32_t hoeher, int32_t extra)
{
    if (!out_x || !out_y) {
        Print_Fehler("Geometrie_Treffpunkt: out=NULL!");
        return -1;
    }
    int32_t ergebnis = -1;
    if (slack == -1.0f) slack = 1048575.0f;
    if (vb == 0.0f) {
        *out_x = abschneiden(ax);
        *out_y = abschneiden(ay);
        return abschneiden(abstand(px, py, ax, ay));
    }
    float qx = ((100.0f - t) * bx + t * ax) * 0.01f;
    float qy = ((100.0f - t) * by + t * ay) * 0.01f;
    float db = abstand(ax, ay, qx, qy);
    float dp = abstand(px, py, qx, qy);
    bool treffer = dp * vb <= db * vp && db * vp <= (dp + slack) * vb && qx >= 0.0f &&
                   qx <= max_x && qy >= 0.0f && qy <= max_y;
    if (treffer) {
        slack = float(abschneiden(db * vp / vb - dp));
        *out_x = abschneiden(qx);
        *out_y = abschneiden(qy);
        ergebnis = abschneiden(dp);
    }
    if (dt > 2.0f && suchen) {
        bool gefunden = treffer;
        if (tiefer || treffer) {
            int32_t r = Geometrie_Treffpunkt(px, py, vp, ax, ay, bx, by, vb, t - dt, dt * 0.5f,
                                             slack, 1, out_x, out_y, max_x, max_y, 1, treffer,
                                             extra);
            if (r != -1) {
                ergebnis = r;
                gefunden = true;
            }
        }
        if (hoeher || gefunden) {
            int32_t r = Geometrie_Treffpunkt(px, py, vp, ax, ay, bx, by, vb, t + dt, dt * 0.5f,
                                             slack, 1, out_x, out_y, max_x, max_y, gefunden, 1,
                                             extra);
            if (r != -1) ergebnis = r;
        }
    }
    return ergebnis;
}

// Number routines: range checks, rounding, distances and the interception search.
#pragma once
#include <cstdint>

// v when lo <= v <= hi; otherwise standard, or with standard -1 the nearer bound.
int32_t Wert_Im_Bereich(int32_t v, int32_t lo, int32_t hi, int32_t standard);
int32_t Abs_Diff(int32_t a, int32_t b);
// base to the power exp (>= 0) in 32-bit arithmetic; exp 0 gives 1.
int32_t Potenz(int32_t basis, int32_t exp);
// Rounds half away from zero.
int32_t Float_Runden(float f);
int32_t Hypotenuse_Int(int32_t dx, int32_t dy);
float Hypotenuse_Float(float x, float y);

// A runner at P with speed vp meets a ball travelling from A to B with speed vb. t and dt are
// percentages along the way (t = 0 is B, 100 is A); slack -1 means no limit. With `suchen` the
// search halves dt and refines downwards (`tiefer`) and upwards (`hoeher`). On a hit the point
// goes to out_x/out_y; the result is the runner's distance to it, or -1.
int32_t Geometrie_Treffpunkt(float px, float py, float vp, float ax, float ay, float bx, float by,
                             float vb, float t, float dt, float slack, int32_t suchen,
                             int32_t* out_x, int32_t* out_y, float max_x, float max_y,
                             int32_t tiefer, int32_t hoeher, int32_t extra);

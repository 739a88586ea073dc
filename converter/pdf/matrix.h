// An affine transformation in PDF's row-vector convention: p' = p x M, so a.times(b) applies a first.
#pragma once

namespace pwt {

struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    Matrix times(const Matrix &m) const {
        return {a * m.a + b * m.c,       a * m.b + b * m.d,       c * m.a + d * m.c,
                c * m.b + d * m.d,       e * m.a + f * m.c + m.e, e * m.b + f * m.d + m.f};
    }
    void apply(double x, double y, double &ox, double &oy) const {
        ox = a * x + c * y + e;
        oy = b * x + d * y + f;
    }
};

} // namespace pwt

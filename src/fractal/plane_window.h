#pragma once

#include "core/fractal_params.h"

#include <vector>

namespace tolvar {

class Frame;

// The points of the complex plane that the escape-time generators give to
// the cells. Real is stepped before each row and Imaginary before each
// column, each step rounded to double as it is stored, so the values are
// serial sums. Rows' values are formed up front, so that rows can then be
// computed in any order with the same result.
class PlaneWindow {
public:
    // Call after BeginOperation. The "Imaginary Part" box is read again
    // for every row, as the column walk of each row starts from its text.
    explicit PlaneWindow(Frame& frame);

    int rows() const { return static_cast<int>(rowReal_.size()); }
    int cols() const { return cols_; }
    double real(int row) const { return rowReal_[static_cast<std::size_t>(row - 1)]; }
    // Imaginary of columns 1..cols() of a row, at index column - 1.
    std::vector<double> imaginary(int row) const;

    // Leaves Real, Imaginary and the current cell as the walk ends them.
    void finish(FractalParams& params) const;

private:
    std::vector<double> rowReal_;
    std::vector<double> rowImaginary_;
    int cols_;
    long double colStep_;
};

} // namespace tolvar

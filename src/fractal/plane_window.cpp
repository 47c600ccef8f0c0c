#include "fractal/plane_window.h"

#include "core/frame.h"
#include "core/number_text.h"

namespace tolvar {
namespace {

// (1 / count) x Spread, in extended precision.
long double stepOf(int count, float spread) { return 1.0L / static_cast<long double>(count) * spread; }

} // namespace

PlaneWindow::PlaneWindow(Frame& frame) : cols_(frame.state().MapCols)
{
    const AppState& s = frame.state();
    const FractalParams& p = s.params;
    colStep_ = stepOf(s.MapCols, p.Spread);
    const long double rowStep = stepOf(s.MapRows, p.Spread);
    double real = p.Real;
    rowReal_.reserve(s.MapRows);
    rowImaginary_.reserve(s.MapRows);
    for (int row = 1; row <= s.MapRows; ++row) {
        real = static_cast<double>(rowStep + real);
        rowReal_.push_back(real);
        rowImaginary_.push_back(StrToDouble(frame.ui().text(Box::ediImaginary)));
    }
}

std::vector<double> PlaneWindow::imaginary(int row) const
{
    std::vector<double> values(static_cast<std::size_t>(cols_));
    double imaginary = rowImaginary_[static_cast<std::size_t>(row - 1)];
    for (double& value : values) {
        imaginary = static_cast<double>(colStep_ + imaginary);
        value = imaginary;
    }
    return values;
}

void PlaneWindow::finish(FractalParams& params) const
{
    if (rowReal_.empty())
        return;
    params.Real = rowReal_.back();
    params.CurRow = static_cast<std::uint16_t>(rows());
    if (cols_ > 0) {
        params.Imaginary = imaginary(rows()).back();
        params.CurCol = static_cast<std::uint16_t>(cols_);
    } else {
        params.Imaginary = rowImaginary_.back();
    }
}

} // namespace tolvar

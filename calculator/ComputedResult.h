#pragma once

#include "arithmetic/Product.h"

#include <cstddef>
#include <string>
#include <vector>

// Cell texts of a matrix, row after row.
struct TextMatrix
{
    int rows = 0;
    int cols = 0;
    std::vector<std::string> texts;

    const std::string& at(int row, int col) const
    {
        return texts[std::size_t(row) * std::size_t(cols) + std::size_t(col)];
    }
};

// What the last successful Calculate computed, kept beside R's texts: R's values and the texts of A and B
// they came from, so a cell of R can tell how it was reached after A or B have changed, and whether R is
// still the product of what A and B hold.
class ComputedResult
{
public:
    enum class State { Empty, UpToDate, OutOfDate };

    State state() const { return m_state; }
    bool upToDate() const { return m_state == State::UpToDate; }
    // R = A x B as computed; no rows while nothing has been.
    const ExtendedMatrix& values() const { return m_values; }

    void set(ExtendedMatrix values, TextMatrix a, TextMatrix b);
    // True when R was up to date and is no longer.
    bool markOutOfDate();

    // How R's cell (col, row) was reached (see ExplainResultCell); empty for a cell outside the product.
    std::string explanation(int col, int row) const;

private:
    State m_state = State::Empty;
    ExtendedMatrix m_values;
    TextMatrix m_a;
    TextMatrix m_b;
};

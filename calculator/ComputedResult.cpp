#include "calculator/ComputedResult.h"

#include "arithmetic/ResultExplanation.h"

#include <utility>

void ComputedResult::set(ExtendedMatrix values, TextMatrix a, TextMatrix b)
{
    m_values = std::move(values);
    m_a = std::move(a);
    m_b = std::move(b);
    m_state = State::UpToDate;
}

bool ComputedResult::markOutOfDate()
{
    if (m_state != State::UpToDate)
        return false;
    m_state = State::OutOfDate;
    return true;
}

std::string ComputedResult::explanation(int col, int row) const
{
    if (m_state == State::Empty || row < 0 || col < 0 || row >= m_values.rows || col >= m_values.cols)
        return std::string();
    std::vector<std::string> aRow;
    std::vector<std::string> bColumn;
    aRow.reserve(std::size_t(m_a.cols));
    bColumn.reserve(std::size_t(m_b.rows));
    for (int k = 0; k < m_a.cols; ++k)
        aRow.push_back(m_a.at(row, k));
    for (int k = 0; k < m_b.rows; ++k)
        bColumn.push_back(m_b.at(k, col));
    return ExplainResultCell(aRow, bColumn, m_values.at(row, col), m_state == State::OutOfDate);
}

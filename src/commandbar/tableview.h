#pragma once

#include <cstddef>

// A read-only view of a table kept as a static array: for (const auto &row : table()).
template <class Row> class TableView {
public:
    constexpr TableView(const Row *rows, std::size_t size)
        : m_rows(rows)
        , m_size(size) {}
    template <std::size_t N>
    constexpr TableView(const Row (&rows)[N])
        : m_rows(rows)
        , m_size(N) {}

    constexpr const Row *begin() const { return m_rows; }
    constexpr const Row *end() const { return m_rows + m_size; }
    constexpr std::size_t size() const { return m_size; }
    constexpr const Row &operator[](std::size_t i) const { return m_rows[i]; }

private:
    const Row *m_rows;
    std::size_t m_size;
};

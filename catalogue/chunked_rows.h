#pragma once
// The list's rows, kept in chunks of a fixed number of rows. Adding a chunk never moves the
// rows already there: rows joining a list of a million while a scan runs cost what they cost
// at the first row, where one growing array would copy the whole list now and then (a stall
// of the window's thread) and keep up to as much again in spare room.

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

template <typename T> class ChunkedRows {
public:
    static constexpr size_t ChunkBits = 12;
    static constexpr size_t ChunkSize = size_t(1) << ChunkBits; // 4,096 rows a chunk

    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    T& operator[](size_t row) { return m_chunks[row >> ChunkBits][row & (ChunkSize - 1)]; }
    const T& operator[](size_t row) const {
        return m_chunks[row >> ChunkBits][row & (ChunkSize - 1)];
    }

    void push_back(T&& value) {
        if (m_size == m_chunks.size() * ChunkSize)
            m_chunks.push_back(std::make_unique<T[]>(ChunkSize));
        (*this)[m_size++] = std::move(value);
    }

    // The rows from `row` on move one place down, as in an array.
    void insert(size_t row, T&& value) {
        push_back(T{});
        for (size_t at = m_size - 1; at > row; --at)
            (*this)[at] = std::move((*this)[at - 1]);
        (*this)[row] = std::move(value);
    }

    // The rows after `row` move one place up; an emptied last chunk is given back.
    void erase(size_t row) {
        for (size_t at = row; at + 1 < m_size; ++at)
            (*this)[at] = std::move((*this)[at + 1]);
        (*this)[--m_size] = T{};
        if (m_chunks.size() * ChunkSize - m_size == ChunkSize)
            m_chunks.pop_back();
    }

    void swap(ChunkedRows& other) noexcept {
        m_chunks.swap(other.m_chunks);
        std::swap(m_size, other.m_size);
    }

private:
    std::vector<std::unique_ptr<T[]>> m_chunks;
    size_t m_size = 0;
};

// TwipsReferenceBoard.h: an independent sliding board kept as single-precision tile positions in
// twips compared with a tolerance, to check the cell board against.
#pragma once

#include "SlidingMove.h"

#include <cmath>
#include <vector>

class TwipsReferenceBoard {
public:
    // The picture lies at (left, top) and measures width × height twips.
    TwipsReferenceBoard(int gridSize, float left, float top, float width, float height)
        : m_gridSize(gridSize)
        , m_left(left)
        , m_top(top)
        , m_width(width)
        , m_height(height)
        , m_tileWidth(width / gridSize)
        , m_tileHeight(height / gridSize)
        , m_x(tileCount() + 1)
        , m_y(tileCount() + 1)
    {
        for (int r = 1; r <= gridSize; ++r) {
            for (int c = 1; c <= gridSize; ++c) {
                const int k = (r - 1) * gridSize + c;
                m_x[k] = m_left + (c - 1) * m_tileWidth;
                m_y[k] = m_top + (r - 1) * m_tileHeight;
            }
        }
    }

    int tileCount() const { return m_gridSize * m_gridSize; }

    void shuffle(int blank)
    {
        m_blank = blank;
        const int n = tileCount();
        for (int round = 0; round < 3; ++round) {
            for (int k = 1; k <= n; ++k)
                m_x[k] = same(m_x[k] + m_tileWidth, m_left + m_width) ? m_left : m_x[k] + m_tileWidth;
            for (int k = 1; k <= n; ++k)
                m_y[k] = same(m_y[k] + m_tileHeight, m_top + m_height) ? m_top : m_y[k] + m_tileHeight;
        }
        for (int round = 0; round < 100; ++round) {
            for (int i = 1; i <= n; ++i) {
                const float bx = m_x[m_blank];
                const float by = m_y[m_blank];
                if ((same(m_x[i], bx + m_tileWidth) || same(m_x[i], bx - m_tileWidth)) && same(m_y[i], by))
                    std::swap(m_x[i], m_x[m_blank]);
                if ((same(m_y[i], by + m_tileHeight) || same(m_y[i], by - m_tileHeight)) && same(m_x[i], bx))
                    std::swap(m_y[i], m_y[m_blank]);
            }
        }
    }

    // A click on tile k; returns the steps counted.
    int click(int k)
    {
        int steps = 0;
        const float bx = m_x[m_blank];
        const float by = m_y[m_blank];
        const float kx = m_x[k];
        const float ky = m_y[k];
        if ((same(kx, bx + m_tileWidth) || same(kx, bx - m_tileWidth)) && same(ky, by)) {
            m_x[m_blank] = kx;
            m_x[k] = bx;
            ++steps;
        }
        if ((same(ky, by + m_tileHeight) || same(ky, by - m_tileHeight)) && same(m_x[k], bx)) {
            m_y[m_blank] = ky;
            m_y[k] = by;
            ++steps;
        }
        return steps;
    }

    // The tile an arrow key finds (0 for none).
    int arrowTile(ArrowKey key) const
    {
        const float bx = m_x[m_blank];
        const float by = m_y[m_blank];
        for (int i = 1; i <= tileCount(); ++i) {
            if (i == m_blank)
                continue;
            bool found = false;
            switch (key) {
            case ArrowKey::Left:
                found = same(m_x[i], bx + m_tileWidth) && same(m_y[i], by);
                break;
            case ArrowKey::Up:
                found = same(m_x[i], bx) && same(m_y[i], by + m_tileHeight);
                break;
            case ArrowKey::Right:
                found = same(m_x[i], bx - m_tileWidth) && same(m_y[i], by);
                break;
            case ArrowKey::Down:
                found = same(m_x[i], bx) && same(m_y[i], by - m_tileHeight);
                break;
            }
            if (found)
                return i;
        }
        return 0;
    }

    // Swap mode: tile s goes to tile k's place, tile k to s's place rounded to whole twips.
    void swap(int s, int k)
    {
        const float sx = std::nearbyint(m_x[s]);
        const float sy = std::nearbyint(m_y[s]);
        m_x[s] = m_x[k];
        m_y[s] = m_y[k];
        m_x[k] = sx;
        m_y[k] = sy;
    }

    bool solved() const
    {
        for (int k = 1; k <= tileCount(); ++k) {
            const Cell home { (k - 1) / m_gridSize, (k - 1) % m_gridSize };
            if (!same(m_x[k], m_left + home.column * m_tileWidth)
                || !same(m_y[k], m_top + home.row * m_tileHeight))
                return false;
        }
        return true;
    }

    // The cell tile k stands in; {-1, -1} when it is not on a cell within the tolerance.
    Cell cellOf(int k) const
    {
        const int column = static_cast<int>(std::lround((m_x[k] - m_left) / m_tileWidth));
        const int row = static_cast<int>(std::lround((m_y[k] - m_top) / m_tileHeight));
        if (!same(m_x[k], m_left + column * m_tileWidth) || !same(m_y[k], m_top + row * m_tileHeight))
            return { -1, -1 };
        return { row, column };
    }

private:
    static bool same(float a, float b) { return std::fabs(a - b) < 10.0f; }

    int m_gridSize;
    float m_left, m_top, m_width, m_height;
    float m_tileWidth, m_tileHeight;
    std::vector<float> m_x, m_y;
    int m_blank = 1;
};

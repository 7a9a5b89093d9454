// PieceTable.h: the jigsaw's piece table. Record 0 carries only a neighbour list; records
// 1..n are the pieces, numbered as their windows are.
//
// Terms: a *unit* is what the player moves, a single piece or a group of joined pieces; its
// surviving piece (the window that stays visible) holds the group text of all members.
#pragma once

#include <QList>
#include <QPoint>
#include <QRegion>
#include <QString>

struct PieceRecord
{
    int homeTop = 0;  // top of the outline's bounding box in picture pixels (of the current turn)
    int homeLeft = 0; // left of that box
    int turn = 0;     // 0, 90, 180 or 270 degrees
    QList<QPoint> points; // every point of the head's primitives, picture pixels of the current turn
    QString head;         // as written after "V", for example "A2P3C12"
    QString group;        // "P7", or "P7P3P12" once units have joined
    QString neighbours;   // "P2_P4_P5_"; empty when the level gives none
    QRegion outline;      // the piece's own outline in picture pixels of the current turn
};

class PieceTable
{
public:
    PieceRecord& record0() { return m_records[0]; }
    const PieceRecord& record0() const { return m_records[0]; }
    int count() const { return static_cast<int>(m_records.size()) - 1; }
    // k in 1..count()
    PieceRecord& piece(int k) { return m_records[k]; }
    const PieceRecord& piece(int k) const { return m_records[k]; }
    bool contains(int k) const { return k >= 1 && k <= count(); }
    // Appends a piece and returns its number.
    int append(PieceRecord record)
    {
        m_records.append(std::move(record));
        return count();
    }
    void clear() { m_records = QList<PieceRecord>(1); }

private:
    QList<PieceRecord> m_records = QList<PieceRecord>(1);
};

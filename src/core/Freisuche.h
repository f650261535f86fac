#pragma once

#include <QByteArray>

// The search for an area that can take a stored tileset block: 1542 zero
// bytes in a row, below the wrap limit, never at 87BFC. It works on the ROM
// held in memory.
namespace Freisuche {

// When the offset of the next byte to read has reached this, the search goes
// back to the start of the file.
constexpr qint64 Wendegrenze = 0x1BB9FF;
// A zero run there is never offered; the search goes on behind it.
constexpr qint64 Gesperrt = 0x87BFC;

// Start of the next free area found from `start` on, in the order the search
// walks the file (bytes beyond its end read as 0). -1 when the search came
// round to `start` again, or went round the whole file once, without a find.
qint64 Suchen(const QByteArray& rom, qint64 start);

}  // namespace Freisuche

#pragma once

#include <QString>

// Offsets and pointers travel as upper-case hex text without prefix.

// The value of the leading hex digits of Text (either case). Empty text is set
// to "0" in the caller's variable. Text that is not hex at all gives 0; callers
// that are about to write check the text with IstHex first.
qint64 HexZuZahl(QString& Text);
qint64 HexZuZahl(const QString& Text);

// Text made only of hex digits (either case), at most 16 of them; empty text
// counts as hex (it stands for 0).
bool IstHex(const QString& Text);

// Offset as hex text -> ROM pointer text: BBLLHH for Art 0 or 3, else LLHH.
QString OffsetZuPointer(const QString& Offset, int Art);

// ROM pointer text -> offset hex text. Art 0 or 3: Pointer is BBLLHH and Bank
// is ignored; else Pointer is LLHH and Bank gives the bank.
QString PointerZuOffset(const QString& Pointer, int Art, int Bank);

// Hex text of Zahlwert, zero-padded to Stellen digits; empty when longer.
QString HexStellen(qint64 Zahlwert, int Stellen);

// Plain upper-case hex text (no padding), as the platform formats numbers.
QString Hex(qint64 Zahl);

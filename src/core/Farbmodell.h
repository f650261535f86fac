#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Game Boy Color colours: a 15-bit word (red lowest), kept as a colour text of
// four hex digits in ROM byte order (low byte first). Screen colours are the
// platform value red + 256 * green + 65536 * blue.

QString DrehBytes(const QString& Inhalt);
QString HexZuBin(const QString& hex, int Weite);
QString BinXxx(const QString& bin, const QString& Art);
QString AchtZahlText(qint64 Zahl, int Stellen);  // Stellen > 0
qint64 AchtZahl(qint64 Zahl);                    // digit count 0: the number
// Channel triple "BBBGGGRRR" (Art not "hex") or six hex digits BBGGRR ("hex").
QString Farbauswerten(const QString& Farbtext, const QString& Art);
// Channel triple -> screen colour.
std::uint32_t TripelZuFarbe(const QString& Tripel);
// Colour text -> screen colour (through the channel triple).
std::uint32_t FarbtextZuFarbe(const QString& Farbtext);
// Channel values (0..255 each) -> colour text.
QString KanaeleZuFarbtext(int rot, int gruen, int blau);

// The two fixed display colour sets, colour numbers 1..4 at index 0..3.
constexpr std::array<std::uint32_t, 4> Originalfarben = {0u, 6607460u, 16724540u, 16777180u};
constexpr std::array<std::uint32_t, 4> Graustufen = {16777215u, 12632256u, 8421504u, 0u};

// The colour word of a colour text; bit 15 (damaged data) and text that is
// not hex do not fail: the word is masked to 15 bits, non-hex reads as 0.
int Farbwort(const QString& Farbtext);
// Four hex digits whose third digit is 0..7: a text the program may store.
bool IstFarbtext(const QString& Text);

#pragma once

#include <QByteArray>
#include <QImage>

// A GIF file of a picture with at most 256 colours. Qt reads GIF but cannot
// write it; the tests make their own. Every pixel is its own LZW code behind
// a clear code, so the code width never changes.
QByteArray GifBauen(const QImage& bild);

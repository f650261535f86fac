#include <QtTest>
#include <random>

#include "Fehlfaelle.h"
#include "Testumgebung.h"

// OriginalPointer.ini cut off inside its records, and with pointer texts that
// are not six hex digits. The main window reads it when it is built, so every
// case gets a new one; then every read path runs. Nothing may crash, hang, or
// write.
namespace {
constexpr std::uint32_t Saat = 0x5E17E;
const QString Ini = QStringLiteral("OriginalPointer.ini");

QByteArray Kaputt(std::mt19937& gen, int stellen) {
  static const QByteArray zeichen = QByteArrayLiteral(
      "GZgz-+ x.\t\r\n\x01\x7F\xC3\xA4\xFF"
      "0123456789ABCDEFabcdef");
  QByteArray t;
  for (int i = 0; i < stellen; ++i) t += zeichen[static_cast<int>(gen() % zeichen.size())];
  return t;
}
}  // namespace

class TestFehlpointer : public QObject {
  Q_OBJECT
 private slots:
  // Records of 19 bytes, the pointer text in the first six.
  void abgeschnitten() {
    Testumgebung u;
    const QByteArray ganz = u.Lies(Ini);
    Fehlfaelle f(u);
    for (qint64 l : Schnitte(28, 19, {0, 3, 6, 18}))
      if (!f.Fall(Ini, ganz.left(l), true)) return;
    f.Festhalten(QStringLiteral("fehl_originalpointer_kurz.tsv"));
  }

  // Other characters, lower case, signs, blanks, line breaks and UTF-8 bytes
  // in place of the hex digits, in a few records or many.
  void keinHex() {
    Testumgebung u;
    const QByteArray ganz = u.Lies(Ini);
    std::mt19937 gen(Saat);
    Fehlfaelle f(u);
    for (int fall = 0; fall < 120; ++fall) {
      QByteArray ini = ganz;
      const int saetze = 1 + static_cast<int>(gen() % 28);
      for (int i = 0; i < saetze; ++i) {
        const int satz = static_cast<int>(gen() % 28);
        const QByteArray text = Kaputt(gen, 1 + static_cast<int>(gen() % 19));
        ini.replace(satz * 19, text.size(), text);
      }
      if (!f.Fall(Ini, ini.left(28 * 19), true)) return;
    }
    f.Festhalten(QStringLiteral("fehl_originalpointer_text.tsv"));
  }
};

QTEST_MAIN(TestFehlpointer)
#include "test_fehlpointer.moc"

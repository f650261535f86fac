#include <QFile>
#include <QSettings>
#include <QtTest>
#include <random>

#include "Fehlfaelle.h"
#include "Testumgebung.h"

// Stored options texts that are not eight digits: too short, too long, other
// characters, each position out of range, and a settings file damaged by hand.
// The options are read when the main window is built, so every case gets a
// new one; then every read path runs. Nothing may crash, hang, or write a
// file, and what the options keep is eight valid digits again.
namespace {
constexpr std::uint32_t Saat = 0x0971;
const QString Schluessel = QStringLiteral("Einstelungen/Speicher");

QSettings Einstellungen() { return QSettings(QStringLiteral("ZERAN"), QStringLiteral("Tessaron")); }

// The settings file itself: an empty value leaves nothing to damage, so the
// lines are written as a user's editor would.
void Rohdatei(const QByteArray& zeilen) {
  const QString pfad = Einstellungen().fileName();
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(zeilen);
}

bool Gueltig(const QString& text) {
  static const QRegularExpression acht(QStringLiteral("^[01]{3}[0-4][01][1-6][01]{2}$"));
  return acht.match(text).hasMatch();
}

QString Zufallstext(std::mt19937& gen) {
  static const QString zeichen = QStringLiteral("0123456789 -+x.ä\t\n");
  QString t;
  const int laenge = static_cast<int>(gen() % 13);
  for (int i = 0; i < laenge; ++i) t += zeichen[static_cast<int>(gen() % zeichen.size())];
  return t;
}
}  // namespace

class TestFehloptionen : public QObject {
  Q_OBJECT
 private slots:
  void kaputteTexte() {
    Testumgebung u;
    Fehlfaelle f(u);
    std::mt19937 gen(Saat);
    QStringList texte;
    for (int i = 0; i < 60; ++i) texte << Zufallstext(gen);
    // Every position of the default text with every other character.
    for (int stelle = 0; stelle < 8; ++stelle)
      for (QChar c : QStringLiteral("0179xä ")) {
        QString t = QStringLiteral("00111510");
        t[stelle] = c;
        texte << t;
      }
    texte << QStringLiteral("001115100") << QStringLiteral("0011151") << QString(5000, QLatin1Char('1'));
    for (const QString& text : texte) {
      Einstellungen().setValue(Schluessel, text);
      if (!f.Lauf(text, true)) return;
      const QString gespeichert = Einstellungen().value(Schluessel).toString();
      QVERIFY2(Gueltig(gespeichert), qPrintable(text + QStringLiteral(" -> ") + gespeichert));
    }
    const QList<QByteArray> dateien = {
        "[Einstelungen]\nSpeicher=1, 0, 1\n",
        "[Einstelungen]\nSpeicher=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5\\x42\\x61)\n",
        "[Einstelungen]\nSpeicher=@ByteArray(\\xff\\xfe)\n",
        "[Einstelungen\nSpeicher\n=\n",
        "\xff\xfe\x00[\x01]\n",
        "[Einstelungen]\nSpeicher=\n",
    };
    for (const QByteArray& datei : dateien) {
      Rohdatei(datei);
      if (!f.Lauf(QString::fromLatin1(datei), true)) return;
    }
    f.Festhalten(QStringLiteral("fehl_optionen.tsv"));
  }
};

QTEST_MAIN(TestFehloptionen)
#include "test_fehloptionen.moc"

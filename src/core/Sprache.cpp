#include "Sprache.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "Optionstext.h"

namespace {

// Every text translated goes through this one translator, German included, so
// that each shown text can be traced back to its German source.
class Merkender : public QTranslator {
 public:
  void Laden(const QString& code) {
    m_deutsch = code == QLatin1String("de");
    m_code = code;
    // German is the source language: only Qt's own texts need a file.
    if (!m_deutsch) static_cast<void>(m_programm.load(QStringLiteral(":/i18n/tessaron_%1.qm").arg(code)));
    static_cast<void>(
        m_qt.load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
  }

  QString translate(const char* kontext, const char* quelle, const char* unterscheidung,
                    int n) const override {
    QString text = m_deutsch ? QString() : m_programm.translate(kontext, quelle, unterscheidung, n);
    if (text.isEmpty()) text = m_qt.translate(kontext, quelle, unterscheidung, n);
    QList<Sprache::Herkunft>& moeglich = m_herkunft[text.isEmpty() ? QString::fromUtf8(quelle) : text];
    const Sprache::Herkunft diese{QByteArray(kontext), QByteArray(quelle)};
    if (!moeglich.contains(diese)) moeglich.append(diese);
    return text;
  }
  bool isEmpty() const override { return false; }

  QString m_code;
  mutable QHash<QString, QList<Sprache::Herkunft>> m_herkunft;

 private:
  bool m_deutsch = true;
  QTranslator m_programm;
  QTranslator m_qt;
};

Merkender& Uebersetzer() {
  static Merkender* uebersetzer = nullptr;
  if (!uebersetzer) {
    uebersetzer = new Merkender;
    uebersetzer->setParent(QCoreApplication::instance());
  }
  return *uebersetzer;
}

}  // namespace

namespace Sprache {

QString Gespeichert() {
  const QString wert = Einstellungen().value(Schluessel).toString();
  if (Codes.contains(wert)) return wert;
  const QString system = QLocale::languageToCode(QLocale::system().language());
  return Codes.contains(system) ? system : Codes.first();
}

void Laden(const QString& code) {
  Merkender& uebersetzer = Uebersetzer();
  QCoreApplication::removeTranslator(&uebersetzer);
  uebersetzer.Laden(code);
  QCoreApplication::installTranslator(&uebersetzer);
}

void Waehlen(const QString& code) {
  Einstellungen().setValue(Schluessel, code);
  Laden(code);
}

QString Aktuell() { return Uebersetzer().m_code; }

std::optional<Herkunft> HerkunftVon(const QString& gezeigt, const QString& kontext) {
  const auto& herkunft = Uebersetzer().m_herkunft;
  const auto i = herkunft.constFind(gezeigt);
  if (i == herkunft.cend()) return std::nullopt;
  for (const Herkunft& h : *i)
    if (QString::fromUtf8(h.kontext) == kontext) return h;
  return i->first();
}

}  // namespace Sprache

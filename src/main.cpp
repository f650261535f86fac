#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "Befehlszeilenpatch.h"
#include "Optionstext.h"
#include "Patchdatei.h"
#include "Pngexport.h"
#include "Seitenordner.h"
#include "Sprache.h"
#include "frm_Angaben.h"

namespace {
// The command line runs without a window, so it must not need a display:
// it is recognised from argv before any application object exists.
bool OhneFenster(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    for (const char* name : {"--export-png", "--farben", "--zeit", "--patch-erstellen", "--patch-anwenden"})
      if (a == name || a.startsWith(QByteArray(name) + '=')) return true;
    if (a == "--help" || a == "-h" || a == "-?" || a == "--version" || a == "-v") return true;
  }
  return false;
}

int Fehler(const QString& text) {
  QString zeile = text;
  zeile.replace(QLatin1Char('\n'), QLatin1Char(' '));
  std::fprintf(stderr, "tessaron: %s\n", qUtf8Printable(zeile));
  return 1;
}

struct Schalter {
  QCommandLineOption hilfe{{QStringLiteral("h"), QStringLiteral("help")},
                           QCoreApplication::translate("main", "Zeigt diese Hilfe.")};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                             QCoreApplication::translate("main", "Zeigt die Versionsnummer.")};
  QCommandLineOption export_{
      QStringLiteral("export-png"),
      QCoreApplication::translate("main",
                                  "Schreibt Tileset N (1 bis 28) der Romdatei ROM als indiziertes "
                                  "PNG-Bild (128 × 48) nach DATEI.png."),
      QStringLiteral("N")};
  QCommandLineOption farben{
      QStringLiteral("farben"),
      QCoreApplication::translate("main",
                                  "Farben des Bildes: fest (Originalfarben), grau (Graustufen) oder "
                                  "spiel (die Paletten der Romdatei). Ohne Angabe: wie in den "
                                  "gespeicherten Optionen."),
      QStringLiteral("fest|grau|spiel")};
  QCommandLineOption zeit{
      QStringLiteral("zeit"),
      QCoreApplication::translate("main",
                                  "Tageszeit der Paletten bei --farben spiel, 0 bis 4. Ohne Angabe: wie "
                                  "in den gespeicherten Optionen."),
      QStringLiteral("0..4")};
  QCommandLineOption patchErstellen{
      QStringLiteral("patch-erstellen"),
      QCoreApplication::translate(
          "Befehlszeile",
          "Schreibt nach AUSGABE einen Patch von ORIGINAL zu GEAENDERT (Argumente: "
          "ORIGINAL GEAENDERT AUSGABE); die Endung .ips wählt IPS, jede andere BPS.")};
  QCommandLineOption patchAnwenden{
      QStringLiteral("patch-anwenden"),
      QCoreApplication::translate("Befehlszeile",
                                  "Schreibt nach AUSGABE das ROM mit dem Patch PATCH (Argumente: PATCH ROM "
                                  "AUSGABE); BPS und IPS.")};
};

// Which option the parser refused: a value missing at the end, or one given
// to an option that takes none.
QString ParseFehler(const QCommandLineParser& parser, const QList<QCommandLineOption>& optionen) {
  const QStringList unbekannt = parser.unknownOptionNames();
  if (!unbekannt.isEmpty()) return QCoreApplication::translate("main", "Unbekannte Option '%1'.").arg(unbekannt.first());
  const QStringList argumente = QCoreApplication::arguments();
  for (const QCommandLineOption& o : optionen) {
    for (const QString& name : o.names()) {
      const QString schalter = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
      const bool mitWert = std::any_of(argumente.begin(), argumente.end(),
                                       [&](const QString& a) { return a.startsWith(schalter + u'='); });
      if (o.valueName().isEmpty() && mitWert)
        return QCoreApplication::translate("Befehlszeile", "Die Option '%1' nimmt keinen Wert.")
            .arg(schalter);
      if (!o.valueName().isEmpty() && argumente.last() == schalter)
        return QCoreApplication::translate("Befehlszeile", "Der Option '%1' fehlt ihr Wert.").arg(schalter);
    }
  }
  return QCoreApplication::translate("main", "Einer Option fehlt ihr Wert, oder sie nimmt keinen.");
}

// QCommandLineParser's own headings are English; they follow the language.
QString Hilfetext(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  text.replace(QStringLiteral("Usage:"), QCoreApplication::translate("main", "Aufruf:"));
  text.replace(QStringLiteral("[options]"), QCoreApplication::translate("main", "[Optionen]"));
  text.replace(QStringLiteral("Options:"), QCoreApplication::translate("main", "Optionen:"));
  text.replace(QStringLiteral("Arguments:"), QCoreApplication::translate("main", "Argumente:"));
  return text;
}

std::optional<Tilesetbild::Farbart> FarbartAus(const QString& wert) {
  if (wert == QLatin1String("fest")) return Tilesetbild::Farbart::Fest;
  if (wert == QLatin1String("grau")) return Tilesetbild::Farbart::Grau;
  if (wert == QLatin1String("spiel")) return Tilesetbild::Farbart::Spiel;
  return std::nullopt;
}

int Exportieren(const QCommandLineParser& parser, const Schalter& o) {
  bool zahl = false;
  const int n = parser.value(o.export_).toInt(&zahl);
  if (!zahl || n < 1 || n > 28)
    return Fehler(QCoreApplication::translate("main", "Ungültige Tileset-Nummer '%1': erlaubt sind 1 bis 28.")
                      .arg(parser.value(o.export_)));
  const Optionen gespeichert = GespeicherteOptionen();
  const auto art =
      parser.isSet(o.farben) ? FarbartAus(parser.value(o.farben)) : Tilesetbild::ArtAus(gespeichert);
  if (!art)
    return Fehler(
        QCoreApplication::translate("main", "Ungültige Farben '%1': erlaubt sind fest, grau und spiel.")
            .arg(parser.value(o.farben)));
  const int zeit = parser.isSet(o.zeit) ? parser.value(o.zeit).toInt(&zahl) : gespeichert.Zeit;
  if (!zahl || zeit < 0 || zeit > 4)
    return Fehler(QCoreApplication::translate("main", "Ungültige Tageszeit '%1': erlaubt sind 0 bis 4.")
                      .arg(parser.value(o.zeit)));
  const QStringList dateien = parser.positionalArguments();
  if (Patchdatei::SelbeDatei(dateien.at(0), dateien.at(1)))
    return Fehler(Befehlszeilenpatch::AusgabeIstEingabe(dateien.at(0)));
  const QString fehler =
      Pngexport::Schreiben(dateien.at(1), Seitenordner::Waehlen(QCoreApplication::applicationDirPath()), n,
                           *art, zeit, dateien.at(0));
  return fehler.isEmpty() ? 0 : Fehler(fehler);
}

int Befehlszeile() {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate(
          "main",
          "Tessaron %1: Editor für die Tilesets eines Game-Boy-Color-Spiels.\n"
          "Ohne Optionen öffnet sich das Fenster (mit ROM als Argument: diese Romdatei).")
          .arg(QStringLiteral(TESSARON_VERSION)));
  const Schalter o;
  const QList<QCommandLineOption> optionen = {o.hilfe, o.version,        o.export_,      o.farben,
                                              o.zeit,  o.patchErstellen, o.patchAnwenden};
  parser.addOptions(optionen);
  parser.addPositionalArgument(QCoreApplication::translate("main", "DATEI.png"),
                               QCoreApplication::translate("main", "Das Bild, das geschrieben wird."));
  parser.addPositionalArgument(QStringLiteral("ROM"),
                               QCoreApplication::translate("main", "Die Romdatei (.gb oder .gbc)."));
  if (!parser.parse(QCoreApplication::arguments())) return Fehler(ParseFehler(parser, optionen));
  if (parser.isSet(o.hilfe)) {
    std::fputs(qUtf8Printable(Hilfetext(parser)), stdout);
    return 0;
  }
  if (parser.isSet(o.version)) {
    std::printf("Tessaron %s\n", TESSARON_VERSION);
    return 0;
  }
  for (const auto& [option, art] : {std::pair{&o.patchErstellen, Befehlszeilenpatch::Art::Erstellen},
                                    std::pair{&o.patchAnwenden, Befehlszeilenpatch::Art::Anwenden}}) {
    if (parser.isSet(*option)) {
      const QString fehler = Befehlszeilenpatch::Ausfuehren(art, parser.positionalArguments());
      return fehler.isEmpty() ? 0 : Fehler(fehler);
    }
  }
  if (!parser.isSet(o.export_) || parser.positionalArguments().size() != 2)
    return Fehler(QCoreApplication::translate(
        "main", "Aufruf: tessaron --export-png N DATEI.png ROM (siehe tessaron --help)."));
  return Exportieren(parser, o);
}
}  // namespace

int main(int argc, char* argv[]) {
  if (OhneFenster(argc, argv)) {
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tessaron"));
    app.setOrganizationName(QStringLiteral("ZERAN"));
    app.setApplicationVersion(QStringLiteral(TESSARON_VERSION));
    Sprache::Laden(Sprache::Gespeichert());
    return Befehlszeile();
  }
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Tessaron"));
  app.setOrganizationName(QStringLiteral("ZERAN"));
  frm_Angaben fenster(Seitenordner::Waehlen(QCoreApplication::applicationDirPath()));
  fenster.show();
  const QStringList argumente = QCoreApplication::arguments();
  // The window is on the screen before the ROM named on the command line is
  // read: a map request goes out only once the event loop runs.
  if (argumente.size() > 1)
    QTimer::singleShot(0, &fenster, [&fenster, rom = argumente.at(1)] { fenster.RomÖffnen(rom); });
  return app.exec();
}

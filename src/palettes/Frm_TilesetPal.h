#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>

#include "Bearbeitungsverlauf.h"
#include "Einzeln.h"
#include "Farbmodell.h"
#include "Palettenform.h"
#include "Palettenlabel.h"
#include "Palettenwert.h"

// "Tileset-Paletten": the background palettes of the five times of day, one
// palette at a time, edited with three scroll bars or a typed colour text and
// written back 8 bytes at a time. Loaded at start-up, closing only hides it;
// the colour conversions are reached through it.
class Frm_TilesetPal : public QWidget, public Einzeln<Frm_TilesetPal> {
 public:
  Frm_TilesetPal();

  // Reads the whole table into PalettenWerte and shows the options' time of
  // day with palette 0.
  void RausLesen();
  void TPalette(const QString& HexWert);
  int AktuelleFarbe() const { return m_farbe; }

  // One step per colour change (one part: the four colour texts shown);
  // showing another palette starts it afresh.
  Bearbeitungsverlauf& Verlauf() { return m_verlauf; }

  // The colour model, for the windows that colour tiles.
  static QString Farbauswerten(const QString& Farbtext, const QString& Art) {
    return ::Farbauswerten(Farbtext, Art);
  }
  static QString DrehBytes(const QString& Inhalt) { return ::DrehBytes(Inhalt); }
  static QString BinXxx(const QString& bin, const QString& Art) { return ::BinXxx(bin, Art); }
  static qint64 AchtZahl(qint64 Zahl) { return ::AchtZahl(Zahl); }
  static QString AchtZahlText(qint64 Zahl, int Stellen) { return ::AchtZahlText(Zahl, Stellen); }

  // Event handlers
  void Zeit_Click();
  void Paletten_Click();
  void Lbl_Farbe_Click(int Index);
  void Lbl_Farbe_Change(int Index);
  void Cmd_HexRGB_Click();
  void Cmd_PalSpeichern_Click();
  void Cmd_Achtung_Click();

  // Controls
  QComboBox* Zeit = nullptr;
  QComboBox* Paletten = nullptr;
  std::array<QLabel*, 6> Label{};             // Label1 .. Label5
  std::array<Palettenlabel*, 5> Lbl_Farbe{};  // 1..4
  std::array<Palettenform*, 5> Shp_F{};       // 1..4
  Palettenform* Shp_Farbe = nullptr;
  QScrollBar* SRot = nullptr;
  QScrollBar* SGrün = nullptr;
  QScrollBar* SBlau = nullptr;
  Palettenlabel* Rot = nullptr;
  Palettenlabel* Grün = nullptr;
  Palettenlabel* Blau = nullptr;
  Palettenwert* Wert = nullptr;
  QPushButton* Cmd_HexRGB = nullptr;
  QPushButton* Cmd_PalSpeichern = nullptr;
  QPushButton* Cmd_Achtung = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void AuswahlAufbauen();
  void FarbenAufbauen();
  void SchieberAufbauen();
  void KnoepfeAufbauen();
  void Form_Load();
  void Anzeigen();
  void Schieber_Change(QScrollBar* schieber, QLabel* kanal);
  void SchieberSetzen(const QString& Tripel);
  void FarbAnsicht();
  void RaenderZeigen();
  QString Datei() const;
  bool WechselFragen();
  QString Farbtexte() const;
  void FarbtexteSetzen(const QString& texte);
  QString UngeschriebenText() const;

  int m_farbe = 1;
  int m_zeit = 0;  // the palette shown
  int m_palette = 0;
  Bearbeitungsverlauf m_verlauf;
};

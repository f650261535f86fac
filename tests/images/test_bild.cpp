#include <QtTest>

#include "Einzeln.h"
#include "Frm_Bearbeiten.h"
#include "Frm_Bild.h"
#include "Gifbau.h"
#include "Module1.h"
#include "Testumgebung.h"
#include "frm_Angaben.h"

namespace {
const char* const Formate[] = {"bmp", "gif", "jpg", "png"};

QString Speichern(const Testumgebung& u, const QImage& bild, const char* format) {
  const QString pfad = u.Pfad(QStringLiteral("bild.%1").arg(QLatin1String(format)));
  if (QByteArray(format) == "gif")
    u.Schreib(QStringLiteral("bild.gif"), GifBauen(bild));
  else
    bild.save(pfad, format, 100);
  return pfad;
}

QImage Bild(int w, int h, std::initializer_list<QColor> streifen) {
  // Vertical stripes of 8 pixels, one colour after the other.
  QImage bild(w, h, QImage::Format_RGB32);
  const std::vector<QColor> farben(streifen);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) bild.setPixelColor(x, y, farben[(x / 8) % farben.size()]);
  return bild;
}

QStringList Eintraege(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

QString Zelltext(int i) { return Frm_Bearbeiten::Instanz().Fläche(i).DirektZurück(); }

Frm_Bild& Oeffnen(Testumgebung& u) {
  u.fenster().RomÖffnen(u.rom());
  u.fenster().Cmd_BLaden_Click();
  return Frm_Bild::Instanz();
}
}  // namespace

class TestBild : public QObject {
  Q_OBJECT
 private slots:
  void startUndSpiegelDerTilesetliste() {
    Testumgebung u;
    u.fenster().RomÖffnen(u.rom());
    u.fenster().Auswahl->setCurrentIndex(2);
    u.fenster().Auswahl_Click();
    u.fenster().Cmd_BLaden_Click();
    Frm_Bild& b = Frm_Bild::Instanz();
    QVERIFY(b.isVisible());
    QCOMPARE(b.Auswahl->currentIndex(), 2);
    QVERIFY(b.Opt_48128->isChecked());
    QVERIFY(!b.Cmd_OK->isEnabled() && !b.Cmd_Löschen->isEnabled() && !b.Cmd_Einfügen->isEnabled());

    b.Auswahl->setCurrentIndex(4);
    emit b.Auswahl->activated(4);
    QCOMPARE(u.fenster().Auswahl->currentIndex(), 4);
    u.fenster().Auswahl->setCurrentIndex(7);
    b.Form_Activate();
    QCOMPARE(b.Auswahl->currentIndex(), 7);

    b.Opt_96256->setChecked(true);
    QCOMPARE(b.Pic_Bild->size(), QSize(260, 100));
    b.Opt_48128->setChecked(true);
    QCOMPARE(b.Pic_Bild->size(), QSize(132, 52));
  }

  void einfarbigInJedemFormatUndUnbrauchbareDateien() {
    for (const char* format : Formate) {
      Testumgebung u;
      Frm_Bild& b = Oeffnen(u);
      const QString pfad = Speichern(u, Bild(128, 48, {QColor(40, 90, 200)}), format);
      b.BildLaden(pfad);
      QVERIFY2(u.meldungen.empty(), qPrintable(u.Texte()));
      QCOMPARE(b.Label2->text(), pfad);
      QCOMPARE(b.Cbo_Inhalt->count(), 1);
      QVERIFY(b.Cbo_Inhalt->isEnabled() && b.Cmd_OK->isEnabled());
      b.Cbo_Farben->setCurrentIndex(2);
      b.Cmd_OK_Click();
      QCOMPARE(b.List->count(), 1);
      QCOMPARE(b.List->item(0)->text().mid(6), QStringLiteral("    Farbe3 (Blau)"));
      QVERIFY(b.Cmd_Einfügen->isEnabled() && b.Cmd_Löschen->isEnabled());
      QVERIFY(!b.Cbo_Inhalt->isEnabled() && !b.Cmd_OK->isEnabled());
      b.Cmd_Einfügen_Click();
      for (int i : {1, 50, 96}) QCOMPARE(Zelltext(i), QString(64, QLatin1Char('3')));

      // A file that is no picture, or is empty, leaves the window as it was.
      u.Schreib(QStringLiteral("text.bmp"), "kein Bild");
      u.Schreib(QStringLiteral("leer.png"), {});
      for (const QString& name : {QStringLiteral("text.bmp"), QStringLiteral("leer.png")}) {
        u.meldungen.clear();
        b.BildLaden(u.Pfad(name));
        QCOMPARE(u.meldungen.size(), size_t(1));
        QCOMPARE(u.meldungen[0].titel, QStringLiteral("Fehler"));
        QVERIFY(u.meldungen[0].text.contains(u.Pfad(name)));
        QCOMPARE(b.Label2->text(), pfad);
        QCOMPARE(Module1.BildDatei, pfad);
        QCOMPARE(b.List->count(), 1);
        QVERIFY(b.Cmd_Einfügen->isEnabled() && !b.Cmd_OK->isEnabled());
      }
      // Another picture starts without assignments.
      b.BildLaden(pfad);
      QVERIFY(!b.Cmd_Einfügen->isEnabled() && !b.Cmd_Löschen->isEnabled());
    }
  }

  void mehrereSchluesselEineFarbeUndZuruecklegen() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    b.BildLaden(Speichern(u, Bild(128, 48, {Qt::red, Qt::green, Qt::blue}), "png"));
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"0000FF", "00FF00", "FF0000"}));
    b.Cbo_Farben->setCurrentIndex(1);
    b.Cmd_OK_Click();  // red
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"00FF00", "FF0000"}));
    QCOMPARE(b.Cbo_Inhalt->currentIndex(), 0);
    QVERIFY(!b.Cmd_Einfügen->isEnabled());

    b.List->setCurrentRow(0);
    b.Cmd_Löschen_Click();
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"00FF00", "FF0000", "0000FF"}));
    QCOMPARE(b.List->count(), 0);
    QVERIFY(!b.Cmd_Löschen->isEnabled() && !b.Cmd_Einfügen->isEnabled() && b.Cmd_OK->isEnabled());

    for (int k = 0; k < 3; ++k) b.Cmd_OK_Click();  // all three to "Farbe2 (Grün)"
    QVERIFY(b.Cmd_Einfügen->isEnabled());
    b.Cmd_Einfügen_Click();
    QCOMPARE(Zelltext(1), QString(64, QLatin1Char('2')));
    QCOMPARE(Zelltext(96), QString(64, QLatin1Char('2')));
    // Removing leaves nothing selected, so a second press removes nothing.
    b.List->setCurrentRow(2);
    b.Cmd_Löschen_Click();
    b.Cmd_Löschen_Click();
    QCOMPARE(b.List->count(), 2);
    b.Cmd_OK_Click();

    b.Cmd_Abbrechen->click();
    QVERIFY(!b.isVisible());
    QCOMPARE(b.List->count(), 3);
  }

  void zweiMalZweiWirdGenauUebertragen() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    const QColor farben[] = {Qt::black, QColor(0, 160, 0), QColor(0, 0, 160), Qt::white};
    auto wert = [](int x, int y) { return (x * 7 + y * 3 + x * y) % 4; };
    QImage bild(256, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 256; ++x) bild.setPixelColor(x, y, farben[wert(x / 2, y / 2)]);
    b.Opt_96256->setChecked(true);
    b.BildLaden(Speichern(u, bild, "bmp"));
    QCOMPARE(b.Cbo_Inhalt->count(), 4);
    QStringList schluessel;  // the key reads blue, green, red
    for (const QColor& f : farben)
      schluessel << QString::asprintf("%02X%02X%02X", f.blue(), f.green(), f.red());
    while (b.Cbo_Inhalt->count() > 0) {
      b.Cbo_Farben->setCurrentIndex(int(schluessel.indexOf(b.Cbo_Inhalt->currentText())));
      b.Cmd_OK_Click();
    }
    b.Cmd_Einfügen_Click();
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 16; ++c) {
        QString erwartet;
        for (int p = 0; p < 64; ++p) erwartet += QString::number(wert(8 * c + p % 8, 8 * r + p / 8) + 1);
        QCOMPARE(Zelltext(Frm_Bearbeiten::Instanz().Ort(c + 1, r + 1)), erwartet);
      }
  }

  void kleinesBild() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    b.BildLaden(Speichern(u, Bild(100, 40, {QColor(1, 2, 3)}), "png"));
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"030201", ""}));
    b.Cmd_OK_Click();
    b.Cmd_OK_Click();  // the empty key, also to "Farbe1 (Schwarz)"
    QCOMPARE(b.List->item(1)->text(), QStringLiteral("    Farbe1 (Schwarz)"));
    b.Cmd_Einfügen_Click();
    QCOMPARE(Zelltext(1), QString(64, QLatin1Char('1')));
    QCOMPARE(Zelltext(13), QString("11114444").repeated(8));  // x 96..103
    QCOMPARE(Zelltext(81), QString(64, QLatin1Char('4')));    // y 40..47
    // Taking the empty key's entry back returns the empty key, not part of the name.
    b.List->setCurrentRow(1);
    b.Cmd_Löschen_Click();
    QCOMPARE(Eintraege(b.Cbo_Inhalt), QStringList{QString()});
  }

  // See-through pixels read as the picture box behind them, whatever colour they carry.
  void durchsichtigePixel() {
    Testumgebung u;
    Frm_Bild& b = Oeffnen(u);
    QImage bild(128, 48, QImage::Format_ARGB32);
    bild.fill(QColor(0, 255, 0, 0));
    for (int x = 0; x < 64; ++x)
      for (int y = 0; y < 48; ++y) bild.setPixelColor(x, y, QColor(1, 2, 3));
    b.BildLaden(Speichern(u, bild, "png"));
    const QColor grund = b.Pic_Bild->palette().color(b.Pic_Bild->backgroundRole());
    const QString grundSchluessel = QStringLiteral("%1").arg(
        grund.blue() << 16 | grund.green() << 8 | grund.red(), 6, 16, QLatin1Char('0'));
    QCOMPARE(Eintraege(b.Cbo_Inhalt), (QStringList{"030201", grundSchluessel.toUpper()}));
  }
};

QTEST_MAIN(TestBild)
#include "test_bild.moc"

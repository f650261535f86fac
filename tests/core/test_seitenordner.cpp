// Where the side files go: beside the program when it may write there or
// already finds them there, else in the user's data folder.
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "Seitenordner.h"

namespace {
// Root ignores mode bits, so it gets an immutable folder instead.
bool Sperren(const QString& ordner, bool an) {
  if (::geteuid() == 0)
    return QProcess::execute(QStringLiteral("chattr"),
                             {an ? QStringLiteral("+i") : QStringLiteral("-i"), ordner}) == 0;
  return QFile::setPermissions(
      ordner, QFile::ReadOwner | QFile::ExeOwner | (an ? QFile::Permissions() : QFile::WriteOwner));
}
}  // namespace

class TestSeitenordner : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void waehlen_data() {
    QTest::addColumn<bool>("gesperrt");
    QTest::newRow("beschreibbar") << false;
    QTest::newRow("schreibgeschützt") << true;
  }
  void waehlen() {
    QFETCH(bool, gesperrt);
    QTemporaryDir programm;
    if (gesperrt && !Sperren(programm.path(), true)) QSKIP("Der Ordner lässt sich nicht schreibschützen.");
    const QString ordner = Seitenordner::Waehlen(programm.path() + QLatin1Char('/'));
    const auto inhalt =
        QDir(programm.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (gesperrt) QVERIFY(Sperren(programm.path(), false));
    QCOMPARE(ordner,
             gesperrt ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : programm.path());
    QVERIFY(inhalt.isEmpty());  // the write probe leaves nothing behind
  }
};

QTEST_MAIN(TestSeitenordner)
#include "test_seitenordner.moc"

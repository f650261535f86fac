#include "Kennzahlen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

void KennzahlenSchreiben(const QString& name, const QStringList& zeilen) {
  QDir ordner(QCoreApplication::applicationDirPath());
  ordner.mkpath(QStringLiteral("zuverlaessigkeit"));
  QFile datei(ordner.filePath(QStringLiteral("zuverlaessigkeit/") + name));
  if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
    datei.write((zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

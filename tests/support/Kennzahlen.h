#pragma once

#include <QString>
#include <QStringList>

// The figures a reliability test measured, one line per row, for
// scripts/zuverlaessigkeit to table in docs/reliability.md. They go to
// zuverlaessigkeit/<name> beside the test executable.
void KennzahlenSchreiben(const QString& name, const QStringList& zeilen);

#include "app/IniFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using trellis::IniFiles;

namespace {

// A 2,000-line file: 10 sections of 200 keys minus the headers, with comments and blanks as
// hand-edited files have them.
QString MakeFile(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("big.ini"));
  QByteArray text;
  int lines = 0;
  for (int s = 0; lines < 2000; ++s) {
    text += "[Section" + QByteArray::number(s) + "]\r\n";
    ++lines;
    for (int k = 0; k < 199 && lines < 2000; ++k, ++lines) {
      if (k % 50 == 49) {
        text += "; comment line\r\n";
      } else {
        text += "Key" + QByteArray::number(k) + " = value of key " + QByteArray::number(k) +
                " in section " + QByteArray::number(s) + "\r\n";
      }
    }
  }
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(text);
  return path;
}

void BM_ReadIniCached(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = MakeFile(dir);
  IniFiles ini;
  ini.ReadIni(u"Section7", u"Key120", path);
  // Let the file's time fall behind the clock, as it does for an installation file.
  QFile file(path);
  file.open(QIODevice::ReadWrite);
  file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
  file.close();
  ini.ReadIni(u"Section7", u"Key120", path);
  for (auto _ : state) benchmark::DoNotOptimize(ini.ReadIni(u"section7", u"key120", path));
}
BENCHMARK(BM_ReadIniCached);

void BM_ReadIniFirst(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = MakeFile(dir);
  for (auto _ : state) {
    IniFiles ini;
    benchmark::DoNotOptimize(ini.ReadIni(u"Section7", u"Key120", path));
  }
}
BENCHMARK(BM_ReadIniFirst)->Unit(benchmark::kMicrosecond);

void BM_WriteIni(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = MakeFile(dir);
  IniFiles ini;
  int i = 0;
  for (auto _ : state) {
    ini.WriteIni(u"Section7", u"Key120", QString::number(i++), path);
  }
}
BENCHMARK(BM_WriteIni)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

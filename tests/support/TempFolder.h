#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A throw-away program folder with the four sub-folders, and file helpers.
class TempFolder {
  public:
    TempFolder() {
        for (const char* sub : {"skins", "lang", "prazdniki", "system"}) {
            QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
        }
    }
    QString root() const { return dir_.path(); }
    QString path(const QString& relative) const {
        return dir_.path() + QLatin1Char('/') + relative;
    }

    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFile::exists(path(relative)); }

  private:
    QTemporaryDir dir_;
};

// Test data kept beside the tests.
inline QString testData(const QString& name) {
    return QStringLiteral(CHRONIDEX_TEST_DATA) + QLatin1Char('/') + name;
}

#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh folder for one test, removed afterwards.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace testsupport

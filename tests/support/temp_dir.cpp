#include "support/temp_dir.h"

#include <QFile>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + path.toStdString());
    f.write(bytes);
}

}  // namespace testsupport

#include "document/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vitrine {
using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"配置"_s;

QString decodeFile(const QString& path, bool* exists) {
    QFile f(path);
    // Read whole at once: Qt's buffer would only add a copy.
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (exists) *exists = false;
        return {};
    }
    if (exists) *exists = true;
    // Opening a converter costs more than decoding a small file: keep one.
    thread_local QStringDecoder decoder("GB18030");
    decoder.resetState();
    return decoder.decode(f.readAll());
}

bool isSectionHeader(QStringView line, QString* name) {
    const QStringView t = line.trimmed();
    if (t.size() < 2 || t.front() != u'[' || t.back() != u']') return false;
    if (name) *name = t.mid(1, t.size() - 2).trimmed().toString();
    return true;
}

// Splits `key=value`; false for a line that holds no key.
bool splitEntry(QStringView line, QStringView* key, QStringView* value) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0) return false;
    const QStringView k = line.left(eq).trimmed();
    if (k.isEmpty() || k.front() == u';') return false;
    *key = k;
    *value = line.mid(eq + 1);
    return true;
}

QStringList splitLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& l : lines)
        if (l.endsWith(u'\r')) l.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// Visits the entries of the section, line by line as splitLines cuts them,
// without copying the lines: every generation reads many files.
template <class Visit>
void forEachEntry(const QString& text, Visit visit) {
    bool inSection = false;
    const QStringView all(text);
    for (qsizetype from = 0; from < all.size();) {
        qsizetype end = all.indexOf(u'\n', from);
        if (end < 0) end = all.size();
        QStringView line = all.mid(from, end - from);
        from = end + 1;
        if (line.endsWith(u'\r')) line.chop(1);
        QString name;
        if (isSectionHeader(line, &name)) {
            inSection = name == kSection;
            continue;
        }
        QStringView key, value;
        if (inSection && splitEntry(line, &key, &value)) visit(key, value);
    }
}

}  // namespace

ComponentSettingsFile::ComponentSettingsFile(QString path) : path_(std::move(path)) {}

QString ComponentSettingsFile::escape(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\') {
            out += u"\\\\";
        } else if (c == u'\n') {
            out += u"\\n";
        } else if (c == u'\r') {
            out += u"\\r";
        } else if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            out += c;
            out += value[++i];
        } else if (c.isSurrogate()) {
            out += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
        } else {
            out += c;
        }
    }
    return out;
}

QString ComponentSettingsFile::unescape(QStringView stored) {
    if (!stored.contains(u'\\')) return stored.toString();
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored[i];
        if (c != u'\\' || i + 1 >= stored.size()) {
            out += c;
            continue;
        }
        const QChar next = stored[i + 1];
        if (next == u'\\') {
            out += u'\\';
            ++i;
        } else if (next == u'n') {
            out += u'\n';
            ++i;
        } else if (next == u'r') {
            out += u'\r';
            ++i;
        } else if (next == u'u' && i + 6 <= stored.size()) {
            bool ok = false;
            const uint code = stored.mid(i + 2, 4).toUInt(&ok, 16);
            if (ok) {
                out += QChar(static_cast<char16_t>(code));
                i += 5;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
    return out;
}

QString ComponentSettingsFile::read(const QString& key) const {
    QString result;
    bool found = false;
    forEachEntry(decodeFile(path_, nullptr), [&](QStringView k, QStringView v) {
        if (!found && k == key) {
            result = unescape(v);
            found = true;
        }
    });
    return result;
}

bool ComponentSettingsFile::write(const QString& key, const QString& value) { return write({{key, value}}); }

bool ComponentSettingsFile::write(const std::vector<std::pair<QString, QString>>& entries) {
    QStringList lines = splitLines(decodeFile(path_, nullptr));
    for (const auto& [key, value] : entries) {
        const QString entry = key + u'=' + escape(value);
        int sectionAt = -1;
        int insertAt = -1;
        bool replaced = false;
        for (int i = 0; i < lines.size() && !replaced; ++i) {
            QString name;
            if (isSectionHeader(lines[i], &name)) {
                if (sectionAt >= 0) break;  // the section ended without the key
                if (name == kSection) {
                    sectionAt = i;
                    insertAt = i + 1;
                }
                continue;
            }
            if (sectionAt < 0) continue;
            QStringView k, v;
            if (splitEntry(lines[i], &k, &v)) {
                if (k == key) {
                    lines[i] = entry;
                    replaced = true;
                }
                insertAt = i + 1;
            } else if (!lines[i].trimmed().isEmpty()) {
                insertAt = i + 1;
            }
        }
        if (!replaced) {
            if (sectionAt < 0) {
                lines << u'[' + kSection + u']';
                lines << entry;
            } else {
                lines.insert(insertAt, entry);
            }
        }
    }
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(bytes);
    return out.commit();
}

SettingsSnapshot::SettingsSnapshot(const QString& path) {
    forEachEntry(decodeFile(path, &exists_), [&](QStringView k, QStringView v) {
        values_.try_emplace(k.toString(), ComponentSettingsFile::unescape(v));
    });
}

QString SettingsSnapshot::read(const QString& key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? QString() : it->second;
}

QString SettingsFolder::locateBase(const QString& programDir) {
    const QFileInfo dir(programDir);
    if (!programDir.isEmpty() && dir.isDir() && dir.isWritable()) return dir.absoluteFilePath();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return data;
}

SettingsFolder::SettingsFolder(QString baseDir) : base_(std::move(baseDir)) {}

SettingsFolder::~SettingsFolder() = default;

QString SettingsFolder::path() const { return base_ + u"/bj"_s; }
QString SettingsFolder::previewPath() const { return base_ + u"/yl.htm"_s; }

QString SettingsFolder::filePath(QStringView prefix, int number) const {
    return path() + u'/' + prefix.toString() + QString::number(number) + u".ini"_s;
}

ComponentSettingsFile SettingsFolder::file(QStringView prefix, int number) const {
    return ComponentSettingsFile(filePath(prefix, number));
}

SettingsFolder::OpenResult SettingsFolder::open() {
    if (!QDir().mkpath(path())) return OpenResult::Failed;
    lock_ = std::make_unique<QLockFile>(path() + u"/.editor.lock"_s);
    lock_->setStaleLockTime(0);  // a lock is stale only when its editor is gone
    if (!lock_->tryLock(0)) {
        const bool inUse = lock_->error() == QLockFile::LockFailedError;
        lock_.reset();
        return inUse ? OpenResult::InUse : OpenResult::Failed;
    }
    QDir folder(path());
    for (const QString& name : folder.entryList({u"*.ini"_s}, QDir::Files)) folder.remove(name);
    return OpenResult::Ok;
}

void SettingsFolder::removeAll() {
    lock_.reset();
    QDir(path()).removeRecursively();
}

void SettingsFolder::followRemoval(const QStringList& prefixes, int first, int count) const {
    if (count <= 0) return;
    QDir folder(path());
    for (const QString& prefix : prefixes) {
        const QRegularExpression pattern(u'^' + QRegularExpression::escape(prefix) + u"(\\d+)\\.ini$"_s);
        std::map<int, QString> numbered;
        for (const QString& name : folder.entryList({prefix + u"*.ini"_s}, QDir::Files)) {
            const auto m = pattern.match(name);
            if (m.hasMatch()) numbered.emplace(m.captured(1).toInt(), name);
        }
        for (const auto& [number, name] : numbered) {
            if (number < first) continue;
            if (number < first + count) {
                folder.remove(name);
                continue;
            }
            const QString target = prefix + QString::number(number - count) + u".ini"_s;
            folder.remove(target);
            folder.rename(name, target);
        }
    }
}

}  // namespace vitrine

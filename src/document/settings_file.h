#pragma once
// Per-component settings files in the settings folder "bj": one INI file per
// component, named after the kind's prefix and the component's number, with
// all keys in the section "配置".

#include <QString>
#include <QStringList>
#include <QStringView>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QLockFile;

namespace vitrine {

// One settings file. The file is GB18030 text (byte-identical to GBK for GBK
// text, and able to hold every character), so whatever the user typed reads
// back exactly.
//
// A line is `key=value`; the value is everything after the first "=" up to
// the line end, blanks and quotes included, nothing is trimmed. What a line
// cannot hold is escaped: "\\" for a backslash, "\n" and "\r" for line
// breaks, and "\uXXXX" for a lone surrogate. Any other backslash pair is
// read as it stands.
class ComponentSettingsFile {
public:
    explicit ComponentSettingsFile(QString path);

    // Empty text when the file, the section or the key is missing.
    QString read(const QString& key) const;
    // Creates the file when needed. False when it could not be written.
    bool write(const QString& key, const QString& value);
    // Writes several keys in one go, in order: a window's save touches the
    // disk once, not once a key.
    bool write(const std::vector<std::pair<QString, QString>>& entries);

    const QString& path() const { return path_; }

    static QString escape(QStringView value);
    static QString unescape(QStringView stored);

private:
    QString path_;
};

// Reads a whole settings file once, for an emitter that reads many keys.
class SettingsSnapshot {
public:
    explicit SettingsSnapshot(const QString& path);
    QString read(const QString& key) const;
    bool exists() const { return exists_; }

private:
    std::map<QString, QString> values_;
    bool exists_ = false;
};

class SettingsFolder {
public:
    // The folder that holds "bj" and the preview page: the program's own
    // folder where it is writable, otherwise the user's data folder.
    static QString locateBase(const QString& programDir);

    explicit SettingsFolder(QString baseDir);
    ~SettingsFolder();
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    enum class OpenResult { Ok, InUse, Failed };
    // Creates the folder, takes it for this editor (a second editor on the
    // same folder gets InUse) and removes the settings files an earlier run
    // left behind, so that no new component takes one over.
    OpenResult open();
    // Releases the folder and deletes it with everything in it.
    void removeAll();

    const QString& baseDir() const { return base_; }
    QString path() const;
    QString previewPath() const;
    QString filePath(QStringView prefix, int number) const;
    ComponentSettingsFile file(QStringView prefix, int number) const;

    // Components (or texts) first .. first+count-1 were removed and those
    // after them renumbered down by `count`: their files follow them, and the
    // removed ones' files are deleted so that no later component inherits them.
    void followRemoval(const QStringList& prefixes, int first, int count) const;

private:
    QString base_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace vitrine

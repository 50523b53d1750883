// A small INI reader and writer for a file we share with the lobby program.
// Every line is kept as the bytes it was read as, line end included; only the
// lines of keys we set change, and missing keys are added after the last key
// of their section. So other sections, keys, comments, blank lines, spacing
// and CRLF line ends survive a save byte for byte.
//
// Reading follows the usual INI rules: section and key names ignore letter
// case, spaces around names and values are dropped, lines starting with ";"
// are comments, and the first of several equal sections or keys counts.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace velmora::client {

class IniFile {
public:
    // A settings file is a few kilobytes; anything far larger is not one we
    // may rewrite.
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    enum class LoadResult {
        Read,     // the file was read
        Missing,  // no such file: empty, and saving creates it
        Failed,   // exists but unreadable or too large: never write over it
    };

    IniFile() = default;
    explicit IniFile(const QByteArray& bytes);

    LoadResult load(const QString& path);

    struct Entry {
        QString key;
        QString value;
    };

    std::optional<QString> value(const QString& section, const QString& key) const;
    // The keys of the section in file order, for reading many at once.
    std::vector<Entry> entries(const QString& section) const;
    // The first of `entries` named `key` (letter case ignored), as value() finds it.
    static std::optional<QString> valueIn(const std::vector<Entry>& entries, const QString& key);
    // Updates the key's value in place, or adds "key=value" after the last
    // key of the section, or adds the section at the end of the file.
    void setValue(const QString& section, const QString& key, const QString& value);

    // The whole file as it would be written.
    QByteArray bytes() const;

    // Writes through a temporary file in the same folder and renames it over
    // the old one, so a crash mid-save leaves the old file whole.
    // beforeRename runs after the temporary file is complete (tests use it to
    // break off there).
    bool save(const QString& path, const std::function<void()>& beforeRename = {}) const;

private:
    static std::optional<QString> sectionOf(const QByteArray& line);
    static std::optional<Entry> entryOf(const QByteArray& line);
    // Index of the section header line, or -1.
    int findSection(const QString& section) const;
    // One past the section's last line.
    int sectionEnd(int header) const;
    void insertLine(int at, const QByteArray& content);

    std::vector<QByteArray> lines_;  // each with its own line end, if it had one
    QByteArray eol_ = defaultLineEnd();

    static QByteArray defaultLineEnd();
};

}  // namespace velmora::client

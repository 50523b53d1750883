#include "client/settings/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace velmora::client {

namespace {

bool endsWithNewline(const QByteArray& line) { return line.endsWith('\n'); }

// The line without its line end (and without the byte order mark some
// editors put at the start of the file).
QByteArray content(const QByteArray& line) {
    QByteArray c = line.startsWith("\xEF\xBB\xBF") ? line.mid(3) : line;
    if (c.endsWith('\n')) c.chop(1);
    if (c.endsWith('\r')) c.chop(1);
    return c;
}

// Our own lines are UTF-8; a file written elsewhere in a single-byte code
// page still reads, as Latin-1.
QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool isComment(const QByteArray& trimmed) { return trimmed.startsWith(';'); }

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A value is one line.
QString oneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

}  // namespace

IniFile::IniFile(const QByteArray& bytes) {
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype nl = bytes.indexOf('\n', start);
        const qsizetype end = nl < 0 ? bytes.size() : nl + 1;
        lines_.push_back(bytes.mid(start, end - start));
        start = end;
    }
    if (const qsizetype nl = bytes.indexOf('\n'); nl >= 0)
        eol_ = nl > 0 && bytes[nl - 1] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

QByteArray IniFile::defaultLineEnd() {
#ifdef Q_OS_WIN
    return QByteArray("\r\n");
#else
    return QByteArray("\n");
#endif
}

IniFile::LoadResult IniFile::load(const QString& path) {
    *this = IniFile();
    const QFileInfo info(path);
    if (!info.exists()) return LoadResult::Missing;
    QFile file(path);
    if (!info.isFile() || info.size() > kMaxBytes || !file.open(QIODevice::ReadOnly)) return LoadResult::Failed;
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes || file.error() != QFileDevice::NoError) return LoadResult::Failed;
    *this = IniFile(bytes);
    return LoadResult::Read;
}

std::optional<QString> IniFile::sectionOf(const QByteArray& line) {
    const QByteArray trimmed = content(line).trimmed();
    if (!trimmed.startsWith('[')) return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    return decode(trimmed.mid(1, close < 0 ? -1 : close - 1)).trimmed();
}

std::optional<IniFile::Entry> IniFile::entryOf(const QByteArray& line) {
    const QByteArray trimmed = content(line).trimmed();
    if (trimmed.isEmpty() || isComment(trimmed) || trimmed.startsWith('[')) return std::nullopt;
    const qsizetype eq = trimmed.indexOf('=');
    if (eq <= 0) return std::nullopt;
    const QString key = decode(trimmed.left(eq)).trimmed();
    if (key.isEmpty()) return std::nullopt;
    return Entry{key, decode(trimmed.mid(eq + 1)).trimmed()};
}

int IniFile::findSection(const QString& section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (const auto name = sectionOf(lines_[i]); name && sameName(*name, section)) return static_cast<int>(i);
    return -1;
}

int IniFile::sectionEnd(int header) const {
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && !sectionOf(lines_[i])) ++i;
    return static_cast<int>(i);
}

std::vector<IniFile::Entry> IniFile::entries(const QString& section) const {
    std::vector<Entry> out;
    const int header = findSection(section);
    if (header < 0) return out;
    for (int i = header + 1, end = sectionEnd(header); i < end; ++i)
        if (auto entry = entryOf(lines_[i])) out.push_back(std::move(*entry));
    return out;
}

std::optional<QString> IniFile::valueIn(const std::vector<Entry>& entries, const QString& key) {
    for (const Entry& entry : entries)
        if (sameName(entry.key, key)) return entry.value;
    return std::nullopt;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    return valueIn(entries(section), key);
}

void IniFile::insertLine(int at, const QByteArray& text) {
    if (at > 0 && !endsWithNewline(lines_[at - 1])) lines_[at - 1] += eol_;
    lines_.insert(lines_.begin() + at, text + eol_);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& rawValue) {
    const QString value = oneLine(rawValue);
    const QByteArray newLine = key.toUtf8() + '=' + value.toUtf8();
    int header = findSection(section);
    if (header < 0) {
        const int at = static_cast<int>(lines_.size());
        if (at > 0 && !content(lines_.back()).trimmed().isEmpty()) {
            insertLine(at, QByteArray());  // a blank line between sections
            header = at + 1;
        } else {
            header = at;
        }
        insertLine(header, '[' + section.toUtf8() + ']');
        insertLine(header + 1, newLine);
        return;
    }
    const int end = sectionEnd(header);
    int lastContent = header;
    for (int i = header + 1; i < end; ++i) {
        QByteArray& line = lines_[i];
        const QByteArray trimmed = content(line).trimmed();
        if (!trimmed.isEmpty() && !isComment(trimmed)) lastContent = i;
        const auto entry = entryOf(line);
        if (!entry || !sameName(entry->key, key)) continue;
        if (entry->value == value) return;
        // Keep the key as it is spelt there, the spacing up to the value and
        // the line end; a byte order mark before the key stays too.
        const QByteArray body = content(line);
        const qsizetype mark = line.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        qsizetype valueStart = body.indexOf('=') + 1;
        while (valueStart < body.size() && (body[valueStart] == ' ' || body[valueStart] == '\t')) ++valueStart;
        line = line.left(mark + valueStart) + value.toUtf8() + line.mid(mark + body.size());
        return;
    }
    insertLine(lastContent + 1, newLine);
}

QByteArray IniFile::bytes() const {
    QByteArray out;
    for (const QByteArray& line : lines_) out += line;
    return out;
}

bool IniFile::save(const QString& path, const std::function<void()>& beforeRename) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray data = bytes();
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    if (beforeRename) beforeRename();
    return file.commit();
}

}  // namespace velmora::client

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading and writing the editor's text files (scripts, the statement
// library, favourites). Reading: a byte-order mark wins; otherwise valid
// UTF-8 is UTF-8 and anything else is the Chinese ANSI code page (GB18030,
// a superset of GBK). Lines end at CR LF or a lone CR; a lone LF stays inside
// the line. Writing keeps the encoding the file came in and ends every line
// with CR LF; it is atomic, so a failed write never leaves a truncated file.
namespace TextFile {

enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Gbk };

struct ReadResult {
    enum class Status { Ok, NotFound, Unreadable };
    Status status = Status::Ok;
    QStringList lines;
    Encoding encoding = Encoding::Utf8;
    QString error;  // Chinese text for the user when status is not Ok
    bool ok() const { return status == Status::Ok; }
};

struct WriteResult {
    bool ok = true;
    QString error;
};

Encoding detect(const QByteArray& bytes);
QString decode(const QByteArray& bytes, Encoding* detected = nullptr);
QByteArray encode(const QString& text, Encoding encoding);

// Splits by the line rules above. A final terminator adds no empty line.
QStringList splitLines(const QString& text);

ReadResult read(const QString& path);

// Why a file read fine but should not go into the code box (binary data,
// a line no editor can lay out in reasonable time, an absurd size); empty
// when it is fine. The text names the file for the user.
QString editingProblem(const QString& path, const ReadResult& r);
inline constexpr qsizetype kMaxEditableLine = 1'000'000;
inline constexpr qsizetype kMaxEditableChars = 64 * 1024 * 1024;

// Joins lines the way the editors rebuild a file's text: an empty text takes
// the next line alone, otherwise CR LF and the line are appended. Empty lines
// before the first non-empty one vanish, as they always have.
QString joinLikeLineInput(const QStringList& lines);

// Writes text followed by one CR LF.
WriteResult writeText(const QString& path, const QString& text, Encoding encoding = Encoding::Utf8);
// Writes each line followed by CR LF.
WriteResult writeLines(const QString& path, const QStringList& lines,
                       Encoding encoding = Encoding::Utf8);

}  // namespace TextFile

#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

bool isValidUtf8(const QByteArray& b) {
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = d.decode(b);  // decoding is lazy until converted
    return !d.hasError();
}

// Decoders drop a byte-order mark at the start of what they are given; a
// second mark after the one that named the encoding is text and stays.
QString decodeAfterMark(QStringDecoder::Encoding e, QByteArrayView rest, QByteArrayView mark) {
    QStringDecoder d(e);
    QString s = d.decode(rest);
    qsizetype marks = 0;
    while (rest.sliced(marks * mark.size()).startsWith(mark)) ++marks;
    qsizetype kept = 0;
    while (kept < s.size() && s[kept] == QChar(0xFEFF)) ++kept;
    if (marks > kept) s.prepend(QString(marks - kept, QChar(0xFEFF)));
    return s;
}

}  // namespace

Encoding detect(const QByteArray& b) {
    // A UTF-8 mark in front of bytes that are not UTF-8 is no promise: such
    // a file is read like one without a mark, so saving cannot mangle it.
    if (b.startsWith("\xEF\xBB\xBF") && isValidUtf8(b.sliced(3))) return Encoding::Utf8Bom;
    if (b.startsWith("\xFF\xFE")) return Encoding::Utf16LE;
    if (b.startsWith("\xFE\xFF")) return Encoding::Utf16BE;
    return isValidUtf8(b) ? Encoding::Utf8 : Encoding::Gbk;
}

QString decode(const QByteArray& bytes, Encoding* detected) {
    const Encoding e = detect(bytes);
    if (detected) *detected = e;
    switch (e) {
        case Encoding::Utf8Bom:
            return decodeAfterMark(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(3),
                                   "\xEF\xBB\xBF");
        case Encoding::Utf16LE:
            return decodeAfterMark(QStringDecoder::Utf16LE, QByteArrayView(bytes).sliced(2),
                                   "\xFF\xFE");
        case Encoding::Utf16BE:
            return decodeAfterMark(QStringDecoder::Utf16BE, QByteArrayView(bytes).sliced(2),
                                   "\xFE\xFF");
        case Encoding::Utf8:
            return QString::fromUtf8(bytes);
        case Encoding::Gbk: {
            QStringDecoder d("GB18030");
            if (d.isValid()) return d.decode(bytes);
            return QString::fromLatin1(bytes);
        }
    }
    return {};
}

QByteArray encode(const QString& text, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8:
            return text.toUtf8();
        case Encoding::Utf8Bom:
            return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        case Encoding::Utf16LE: {
            QStringEncoder enc(QStringEncoder::Utf16LE);
            return QByteArray("\xFF\xFE") + QByteArray(enc.encode(text));
        }
        case Encoding::Utf16BE: {
            QStringEncoder enc(QStringEncoder::Utf16BE);
            return QByteArray("\xFE\xFF") + QByteArray(enc.encode(text));
        }
        case Encoding::Gbk: {
            QStringEncoder enc("GB18030");
            return enc.encode(text);
        }
    }
    return {};
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'\r') continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

ReadResult read(const QString& path) {
    ReadResult r;
    QFile f(path);
    if (!f.exists()) {
        r.status = ReadResult::Status::NotFound;
        r.error = QStringLiteral("找不到文件“%1”。").arg(path);
        return r;
    }
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly)) {
        r.status = ReadResult::Status::Unreadable;
        r.error = QStringLiteral("无法读取文件“%1”：%2").arg(path, f.errorString());
        return r;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.status = ReadResult::Status::Unreadable;
        r.error = QStringLiteral("无法读取文件“%1”：%2").arg(path, f.errorString());
        return r;
    }
    r.lines = splitLines(decode(bytes, &r.encoding));
    return r;
}

QString editingProblem(const QString& path, const ReadResult& r) {
    qsizetype total = 0;
    for (const QString& line : r.lines) {
        if (line.contains(QChar(0)))
            return QStringLiteral("“%1”不是文本文件（含有二进制数据），无法在编辑器中打开。")
                .arg(path);
        if (line.size() > kMaxEditableLine)
            return QStringLiteral("“%1”含有超过 %2 个字符的超长行，无法在编辑器中打开。")
                .arg(path)
                .arg(kMaxEditableLine);
        total += line.size() + 2;
    }
    if (total > kMaxEditableChars)
        return QStringLiteral("“%1”太大（超过 64 MB），无法在编辑器中打开。").arg(path);
    return {};
}

QString joinLikeLineInput(const QStringList& lines) {
    QString text;
    qsizetype total = 0;
    for (const QString& l : lines) total += l.size() + 2;
    text.reserve(total);
    for (const QString& l : lines) {
        if (!text.isEmpty()) text += QStringLiteral("\r\n");
        text += l;
    }
    return text;
}

namespace {

WriteResult writeBytes(const QString& path, const QByteArray& bytes) {
    WriteResult r;
    const QFileInfo info(path);
    // Replacing through a rename would overwrite a file the user protected,
    // and a folder marked read-only stays so even for an all-powerful user.
    if (info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner))) {
        r.ok = false;
        r.error = QStringLiteral("无法写入文件“%1”：文件是只读的。").arg(path);
        return r;
    }
    const QFileInfo folder(info.absolutePath());
    if (folder.exists() && !(folder.permissions() & QFile::WriteOwner)) {
        r.ok = false;
        r.error = QStringLiteral("无法写入文件“%1”：文件夹是只读的。").arg(path);
        return r;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        r.ok = false;
        r.error = QStringLiteral("无法写入文件“%1”：%2").arg(path, f.errorString());
        return r;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        r.ok = false;
        r.error = QStringLiteral("无法写入文件“%1”：%2").arg(path, f.errorString());
        f.cancelWriting();
    }
    return r;
}

}  // namespace

WriteResult writeText(const QString& path, const QString& text, Encoding encoding) {
    return writeBytes(path, encode(text + QStringLiteral("\r\n"), encoding));
}

WriteResult writeLines(const QString& path, const QStringList& lines, Encoding encoding) {
    QString all;
    for (const QString& l : lines) all += l + QStringLiteral("\r\n");
    return writeBytes(path, encode(all, encoding));
}

}  // namespace TextFile

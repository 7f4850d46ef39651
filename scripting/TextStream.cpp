#include "TextStream.h"

#include <cerrno>

namespace scripting {

namespace {
constexpr int kBadFileMode = 54;
constexpr int kPastEnd = 62;
}  // namespace

vbs::Ref<TextStream> TextStream::reader(std::unique_ptr<ByteSource> source, Decoding decoding) {
    vbs::Ref<TextStream> t(new TextStream);
    t->source_ = std::move(source);
    t->decoding_ = decoding;
    return t;
}

vbs::Ref<TextStream> TextStream::writer(std::unique_ptr<ByteSink> sink, TextEncoding encoding,
                                        std::u16string newline) {
    vbs::Ref<TextStream> t(new TextStream);
    t->sink_ = std::move(sink);
    t->encoding_ = encoding;
    t->newline_ = std::move(newline);
    return t;
}

void TextStream::requireReading() const {
    if (closed_ || !source_) vbs::throwError(kBadFileMode);
}

void TextStream::requireWriting() const {
    if (closed_ || !sink_) vbs::throwError(kBadFileMode);
}

void TextStream::decodeMore(std::string& b, bool atEnd) {
    if (!started_) {
        started_ = true;
        if (decoding_ == Decoding::Utf16LE || decoding_ == Decoding::Auto) {
            if (b.starts_with("\xFF\xFE")) b.erase(0, 2), decoding_ = Decoding::Utf16LE;
        }
        if (decoding_ != Decoding::Utf16LE && b.starts_with("\xEF\xBB\xBF")) {
            b.erase(0, 3);
            decoding_ = Decoding::Utf8;
        }
    }
    if (decoding_ == Decoding::Auto) {
        // The first text that is not plain ASCII settles the encoding.
        std::string_view part(b.data(), atEnd ? b.size() : TextCodec::completeUtf8Prefix(b));
        if (!TextCodec::isValidUtf8(part))
            decoding_ = Decoding::Ansi;
        else if (!TextCodec::isAscii(part))
            decoding_ = Decoding::Utf8;
    }
    TextEncoding as = TextEncoding::Utf8;
    size_t usable = b.size();
    if (decoding_ == Decoding::Utf16LE) {
        as = TextEncoding::Utf16LE;
        if (!atEnd) usable -= b.size() % 2;
    } else if (decoding_ == Decoding::Ansi) {
        as = TextEncoding::Ansi;
        if (!atEnd) usable = TextCodec::completeAnsiPrefix(b);
    } else if (!atEnd) {
        usable = TextCodec::completeUtf8Prefix(b);
    }
    text_ += TextCodec::decodeAs(std::string_view(b.data(), usable), as);
    b.erase(0, usable);
}

bool TextStream::ensure(size_t count) {
    while (text_.size() - pos_ < count && !sourceDone_) {
        bool more;
        if (engine_) {
            vbs::BuiltinContext::HostPause pause(*engine_);
            more = source_->read(pending_);
        } else {
            more = source_->read(pending_);
        }
        if (!more) sourceDone_ = true;
        decodeMore(pending_, sourceDone_);
    }
    return text_.size() - pos_ >= count;
}

void TextStream::compact() {
    // Drop consumed text now and then so long streams stay small.
    if (pos_ > 65536 && pos_ * 2 > text_.size()) {
        text_.erase(0, pos_);
        pos_ = 0;
    }
}

void TextStream::track(std::u16string_view s) {
    for (char16_t c : s) {
        if (c == u'\n' && afterCr_) {
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == u'\r';
        if (c == u'\r' || c == u'\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
    }
}

std::u16string TextStream::take(size_t count) {
    count = std::min(count, text_.size() - pos_);
    std::u16string s = text_.substr(pos_, count);
    pos_ += count;
    track(s);
    return s;
}

std::u16string TextStream::readLine() {
    requireReading();
    compact();
    if (!ensure(1)) vbs::throwError(kPastEnd);
    size_t end = pos_;
    for (;;) {
        size_t hit = text_.find_first_of(u"\r\n", end);
        if (hit != std::u16string::npos) {
            end = hit;
            break;
        }
        end = text_.size();
        if (!ensure(end - pos_ + 1)) break;
    }
    size_t len = end - pos_;
    std::u16string line = text_.substr(pos_, len);
    pos_ = end;
    track(line);
    if (ensure(1)) {
        bool cr = text_[pos_] == u'\r';
        take(1);
        if (cr && ensure(1) && text_[pos_] == u'\n') take(1);
    }
    return line;
}

std::u16string TextStream::readAll() {
    requireReading();
    compact();
    while (!sourceDone_) ensure(text_.size() - pos_ + 1);
    if (pos_ >= text_.size()) vbs::throwError(kPastEnd);
    return take(text_.size() - pos_);
}

std::u16string TextStream::read(int32_t count) {
    requireReading();
    compact();
    if (count < 0) vbs::throwError(5);
    if (!ensure(1)) vbs::throwError(kPastEnd);
    ensure(static_cast<size_t>(count));
    return take(static_cast<size_t>(count));
}

void TextStream::skip(int32_t count) {
    requireReading();
    compact();
    if (count < 0) vbs::throwError(5);
    if (count > 0 && !ensure(1)) vbs::throwError(kPastEnd);
    ensure(static_cast<size_t>(count));
    take(static_cast<size_t>(count));
}

void TextStream::skipLine() { readLine(); }

bool TextStream::atEndOfStream() {
    requireReading();
    return !ensure(1);
}

bool TextStream::atEndOfLine() {
    requireReading();
    return !ensure(1) || text_[pos_] == u'\r' || text_[pos_] == u'\n';
}

void TextStream::write(std::u16string_view s) {
    requireWriting();
    if (!sink_->write(TextCodec::encode(s, encoding_))) vbs::throwError(errno == ENOSPC ? 61 : 57);
    track(s);
}

void TextStream::writeLine(std::u16string_view s) { write(std::u16string(s) + newline_); }

void TextStream::close() {
    if (closed_) return;
    closed_ = true;
    if (sink_ && !sink_->close()) vbs::throwError(61);
    source_.reset();
}

const std::vector<Member<TextStream>>& TextStream::members() {
    using V = vbs::Value;
    static const std::vector<Member<TextStream>> table = {
        {u"AtEndOfLine", [](TextStream& t, Args, V& r) { r = V(t.atEndOfLine()); }},
        {u"AtEndOfStream", [](TextStream& t, Args, V& r) { r = V(t.atEndOfStream()); }},
        {u"Column", [](TextStream& t, Args, V& r) { r = V(t.column()); }},
        {u"Line", [](TextStream& t, Args, V& r) { r = V(t.line()); }},
        {u"Close", [](TextStream& t, Args, V&) { t.close(); }},
        {u"Read", [](TextStream& t, Args a, V& r) { r = V(t.read(arg(a, 0).toLong())); }},
        {u"ReadAll", [](TextStream& t, Args, V& r) { r = V(t.readAll()); }},
        {u"ReadLine", [](TextStream& t, Args, V& r) { r = V(t.readLine()); }},
        {u"Skip", [](TextStream& t, Args a, V&) { t.skip(arg(a, 0).toLong()); }},
        {u"SkipLine", [](TextStream& t, Args, V&) { t.skipLine(); }},
        {u"Write", [](TextStream& t, Args a, V&) { t.write(argText(a, 0)); }},
        {u"WriteLine", [](TextStream& t, Args a, V&) { t.writeLine(optText(a, 0, u"")); }},
        {u"WriteBlankLines",
         [](TextStream& t, Args a, V&) {
             int32_t n = arg(a, 0).toLong();
             if (n < 0) vbs::throwError(5);
             std::u16string lines;
             for (int32_t i = 0; i < n; ++i) lines += t.newline_;
             t.write(lines);
         }},
    };
    return table;
}

}  // namespace scripting

// The TextStream object: reading or writing text through a byte source or
// sink, in the ANSI code page, UTF-16 ("Unicode") or UTF-8.
#pragma once

#include <memory>
#include <string>

#include "ByteSink.h"
#include "ByteSource.h"
#include "HostObject.h"
#include "TextCodec.h"
#include "vbscript/engine.h"

namespace scripting {

class TextStream : public HostObject<TextStream> {
  public:
    // How bytes become text when reading. Auto: a byte-order mark wins, then
    // valid UTF-8, else the ANSI code page, decided by the first text that
    // is not plain ASCII.
    enum class Decoding { Auto, Utf16LE, Utf8, Ansi };

    static vbs::Ref<TextStream> reader(std::unique_ptr<ByteSource> source, Decoding decoding);
    // `newline` is what WriteLine ends a line with (CR LF in files).
    static vbs::Ref<TextStream> writer(std::unique_ptr<ByteSink> sink, TextEncoding encoding,
                                       std::u16string newline = u"\r\n");

    // Reading may wait for a program or the terminal; the engine's clock is
    // paused meanwhile so the wait does not count as script time.
    void pauseWhileWaiting(vbs::Engine* engine) { engine_ = engine; }

    static const std::vector<Member<TextStream>>& members();
    std::u16string typeName() const override { return u"TextStream"; }

    std::u16string readLine();
    std::u16string readAll();
    std::u16string read(int32_t count);
    void skip(int32_t count);
    void skipLine();
    bool atEndOfStream();
    bool atEndOfLine();
    void write(std::u16string_view text);
    void writeLine(std::u16string_view text);
    void close();
    int32_t line() const { return line_; }
    int32_t column() const { return column_; }

  private:
    TextStream() = default;
    void requireReading() const;
    void requireWriting() const;
    // Loads more text until `count` characters past the position are there
    // or the source ends. Returns whether they are there.
    bool ensure(size_t count);
    void compact();
    void decodeMore(std::string& bytes, bool atEnd);
    std::u16string take(size_t count);
    void track(std::u16string_view text);

    std::unique_ptr<ByteSource> source_;
    std::unique_ptr<ByteSink> sink_;
    vbs::Engine* engine_ = nullptr;
    Decoding decoding_ = Decoding::Auto;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::u16string newline_;
    std::string pending_;  // bytes read but not yet decoded
    std::u16string text_;  // decoded, from pos_ on not yet consumed
    size_t pos_ = 0;
    bool started_ = false;
    bool sourceDone_ = false;
    bool closed_ = false;
    bool afterCr_ = false;
    int32_t line_ = 1;
    int32_t column_ = 1;
};

}  // namespace scripting

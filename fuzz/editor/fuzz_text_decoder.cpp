// Feeds arbitrary bytes to the text decoder and the line splitter; what a
// file decodes to must survive writing it back in the same encoding.
#include <QByteArray>
#include <cstdlib>

#include "TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TextFile::Encoding enc;
    const QString text = TextFile::decode(bytes, &enc);
    const QStringList lines = TextFile::splitLines(text);
    for (const QString& l : lines)
        if (l.contains(u'\r')) std::abort();
    if (enc == TextFile::Encoding::Utf8 || enc == TextFile::Encoding::Utf8Bom) {
        // Valid UTF-8 comes back byte for byte.
        if (TextFile::encode(text, enc) != bytes) std::abort();
    }
    (void)TextFile::joinLikeLineInput(lines);
    return 0;
}

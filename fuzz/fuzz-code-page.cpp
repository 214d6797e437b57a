// The result file's code page: what the check accepts comes back unchanged from the file but
// for the code page's own forms; what it refuses is named, and written as "?".
#include "core/result_file.h"
#include "fuzz_support.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString refused = unencodableCharacters(text);
    QStringDecoder decoder("windows-31j");
    const QString written = decoder.decode(toCodePage932(text));
    require(!decoder.hasError());
    qsizetype at = 0;
    for (qsizetype i = 0; i < text.size(); ++at) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, length);
        require(at < written.size());
        if (refused.contains(character))
            require(written[at] == u'?');
        else
            require(length == 1 && written[at] == windowsForm(text[i]));
        i += length;
    }
    require(at == written.size());
    return 0;
}

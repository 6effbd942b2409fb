#include "xmlattributecount.h"

#include <QString>

#include <string_view>

namespace penvaro::platform {
namespace {

// Comments, CDATA sections and processing instructions may hold anything, also "=" and quotes;
// a declaration ("<!DOCTYPE ...") ends at its ">" for this purpose, the reader refuses it anyway.
constexpr struct {
    std::string_view open;
    std::string_view close;
} skipped[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};

} // namespace

core::Result<void> CheckXmlAttributeCounts(const QByteArray &document, int maxAttributes) {
    const std::string_view text(document.constData(), static_cast<std::size_t>(document.size()));
    qint64 line = 1;
    std::size_t i = 0;
    auto advanceTo = [&](std::size_t end) {
        for (; i < end && i < text.size(); ++i)
            line += text[i] == '\n';
    };
    while (i < text.size()) {
        const std::size_t tag = text.find('<', i);
        if (tag == std::string_view::npos)
            break;
        advanceTo(tag);
        const std::string_view rest = text.substr(tag);
        bool wasSkipped = false;
        for (const auto &s : skipped) {
            if (!rest.starts_with(s.open))
                continue;
            const std::size_t end = text.find(s.close, tag + s.open.size());
            advanceTo(end == std::string_view::npos ? text.size() : end + s.close.size());
            wasSkipped = true;
            break;
        }
        if (wasSkipped)
            continue;
        const qint64 tagLine = line;
        int attributes = 0;
        char quote = 0;
        advanceTo(tag + 1);
        for (; i < text.size(); ++i) {
            const char c = text[i];
            line += c == '\n';
            if (quote != 0) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '=') {
                if (++attributes > maxAttributes)
                    return core::Error{
                        core::ErrorKind::Invalid,
                        QStringLiteral("Zeile %1: Ein Element hat mehr als %2 Attribute; so "
                                       "sieht kein Kontoauszug aus. Die Datei wird nicht gelesen.")
                            .arg(tagLine)
                            .arg(maxAttributes)
                            .toStdString()};
            } else if (c == '>') {
                ++i;
                break;
            }
        }
    }
    return {};
}

} // namespace penvaro::platform

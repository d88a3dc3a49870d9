// Text conversion between the data files and the windows.
#include "controls/DisplayText.h"

#include "casedata/TextCodec.h"

namespace quillon {

QString FromData(std::string_view bytes)
{
    const std::string utf8 = Cp1252ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToData(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace quillon

// The texts of the data files (Windows-1252) as the windows show them, and back.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quillon {

QString FromData(std::string_view bytes);
std::string ToData(const QString& text);

} // namespace quillon

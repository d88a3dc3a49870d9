// Saving what the user asked for under the name chosen, as every save of the program does: whole or not at all,
// replacing the name itself and never writing through a link found there.
#pragma once

#include <QString>

#include <string_view>

namespace quillon {

// Writes the bytes to the chosen file; false when they could not be put in place.
bool SaveChosenFile(const QString& path, std::string_view bytes);

} // namespace quillon

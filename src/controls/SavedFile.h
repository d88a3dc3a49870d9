// Saving what the user asked for under the name chosen, as every save of the program does: whole or not at all,
// replacing the name itself and never writing through a link found there.
#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QPrinter;

namespace quillon {

class IMessageSink;

// Writes the bytes to the chosen file; false when they could not be put in place.
bool SaveChosenFile(const QString& path, std::string_view bytes);

// Prints a PDF through `print` into a private scratch folder, then puts it in place under the chosen name. When
// printing fails `print` says why; when the file cannot be put in place the sink shows `failure`.
bool SavePdf(QPrinter& printer, const QString& path, const std::function<bool(QPrinter&)>& print, IMessageSink& sink,
    const char* failure);

} // namespace quillon

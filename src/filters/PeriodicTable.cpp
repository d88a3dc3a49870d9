// The mineral filter's periodic table.
#include "filters/PeriodicTable.h"

#include "casedata/ByteReader.h"
#include "casedata/Translatable.h"

#include <limits>

namespace quillon {

CellRect CellRectOf(int cell) noexcept
{
    CellRect rect;
    if (cell < kMainCells) {
        rect.left = 16 + 33 * (cell % kTableColumns);
        rect.top = 30 + 33 * (cell / kTableColumns);
    } else {
        const int j = cell - kMainCells;
        rect.left = 116 + 33 * (j % 15);
        rect.top = 265 + 33 * (j / 15);
    }
    rect.right = rect.left + kCellSize;
    rect.bottom = rect.top + kCellSize;
    return rect;
}

namespace {

// A decimal number as the table files write it: leading blanks, an optional sign, then digits; anything else ends
// it. Values too large to hold are held at the limit.
int ParseDecimal(std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max())
            value = std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

// Reads the field up to `end` and moves past the terminator; false when there is none before the end of the text.
bool ReadField(ByteReader& reader, std::uint8_t end, std::string& field)
{
    const std::size_t length = reader.Find(end);
    if (length == ByteReader::npos)
        return false;
    reader.ReadText(length, field);
    reader.Skip(1);
    return true;
}

// One line "row*column*number*symbol*name\r\n" into the cell; the message of the first missing field otherwise.
const char* ParseCellLine(ByteReader& reader, CElementCell& cell)
{
    std::string row;
    std::string column;
    std::string number;
    std::string symbol;
    std::string name;
    if (!ReadField(reader, '*', row))
        return QT_TRANSLATE_NOOP("Message", "Error in row number");
    if (!ReadField(reader, '*', column))
        return QT_TRANSLATE_NOOP("Message", "Error in col number");
    if (!ReadField(reader, '*', number))
        return QT_TRANSLATE_NOOP("Message", "Error in element number");
    if (!ReadField(reader, '*', symbol) || !ReadField(reader, '\r', name))
        return QT_TRANSLATE_NOOP("Message", "Error in element");
    if (!reader.AtEnd() && reader.Rest()[0] == '\n')
        reader.Skip(1);
    cell.row = ParseDecimal(row);
    cell.column = ParseDecimal(column);
    cell.number = ParseDecimal(number);
    cell.symbol = symbol.substr(0, kMaxSymbolLength);
    cell.name = std::move(name);
    return nullptr;
}

CElementCell BlankCell(const CellRect& rect)
{
    CElementCell cell;
    cell.rect = rect;
    return cell;
}

} // namespace

void BuildCells(CellTable& cells, const std::string* periodText, const std::string* lanthText, IMessageSink& sink)
{
    for (int i = 0; i < kCellCount; ++i)
        cells[static_cast<std::size_t>(i)] = BlankCell(CellRectOf(i));
    if (periodText != nullptr) {
        ByteReader reader(AsBytes(*periodText));
        for (int i = 0; i < kMainCells; ++i) {
            if (IsGapCell(i))
                continue;
            CElementCell& cell = cells[static_cast<std::size_t>(i)];
            if (const char* error = ParseCellLine(reader, cell)) {
                cell = BlankCell(cell.rect);
                sink.Show(error, {}, MessageIcon::Error);
                break;
            }
        }
    }
    if (lanthText != nullptr) {
        ByteReader reader(AsBytes(*lanthText));
        for (int i = kMainCells; i < kCellCount; ++i) {
            CElementCell& cell = cells[static_cast<std::size_t>(i)];
            if (const char* error = ParseCellLine(reader, cell)) {
                cell = BlankCell(cell.rect);
                sink.Show(error, {}, MessageIcon::Error);
                break;
            }
        }
    }
}

int HitTestCell(const CellTable& cells, int x, int y) noexcept
{
    for (int i = 0; i < kCellCount; ++i) {
        if (i >= 1 && i <= 16)
            continue;
        if (cells[static_cast<std::size_t>(i)].rect.Contains(x, y))
            return i;
    }
    return -1;
}

} // namespace quillon

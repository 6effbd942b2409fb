#pragma once

#include "amounttext.h"
#include "bookingtable.h"
#include "canvas.h"
#include "printcolumns.h"
#include "result.h"

#include <cstdint>
#include <optional>
#include <string>

namespace penvaro::core {

// The title of a list print job whose table has no title of its own.
inline constexpr const char *UntitledListJobTitle = "Penvaro 2011";

// Rows are printed down to this y; a row below it goes to the next page.
inline constexpr int LowestRowY = -2500;
// Nothing is drawn below this y: 280 mm lie inside the printable area of an A4 sheet on
// every printer, so a sum line that would reach further goes to the next page instead.
inline constexpr int LowestPrintableY = -2800;
inline constexpr int RowStep = 50;

inline constexpr int ThickPen = 5;
inline constexpr int ThinPen = 2;

// What the print dialogs hand to the booking list and evaluation printouts.
struct ListPrintOptions {
    PrintColumnChoices columns;
    bool printFileName = true;    // "CBDateiname"
    bool printPageNumbers = true; // "CBSeitenzahl"
    bool national = false;        // "RBnat" rather than "RBeuro"
    NationalCurrency currency{{false, 195583, -5}, "DM"};
    NumberSeparators separators = GermanSeparators;
    std::string fileName; // full path of the account file, UTF-8
    std::string title1;
    std::string title2;
};

// Euro or national text of an amount, with its sign when negative.
std::string PrintAmountText(std::int64_t amount, const ListPrintOptions &options);

// Draws on one canvas with the positions of one layout.
// The SollHaben character of a record as printed in the direction column.
std::string MarkText(const BookingRecord &r);

class ListPage {
public:
    ListPage(Canvas &canvas, const ListPrintOptions &options);

    Canvas &canvas() { return m_canvas; }
    const PrintColumns &columns() const { return m_columns; }
    const ListPrintOptions &options() const { return m_options; }
    // What a PDF reader shows as the document's title: the title of the table the printout
    // begins with.
    std::string jobTitle(bool firstTable) const;

    // The page header of the first table: file name and page number, title 1, the column
    // headings; leaves the row font set.
    void PrintListHeader();
    // The heading of the second table from y down to y - 250; leaves the row font set.
    void PrintPlannedHeader(int y);
    // The file name and page number line of a page that begins with the second table.
    void printFileLine();

    void rule(int y, int penWidth);
    void rowFont(bool bold = false);
    void text(int x, int y, const std::string &text, TextAlign align);
    // A record's text in its column, cut at end.
    void cell(int x, int end, int y, const std::string &text);
    void amount(int x, int y, std::int64_t value);

    // A planned booking's row in the columns of the second table; the balance only where the
    // layout has a column for it.
    void plannedRow(const BookingRecord &r, int y, std::optional<std::int64_t> balance);
    // A table's sum in bold below its last row at y, the label centred on labelX and the
    // amount ending at sumX, with the thin rule between them and the rows.
    void sumRow(int labelX, int sumX, int y, std::int64_t sum);

private:
    Canvas &m_canvas;
    const ListPrintOptions &m_options;
    PrintColumns m_columns;
};

// The running balances and sums of a printout are partial sums of the table's amounts; this
// refuses a table whose amounts together could leave the 64-bit range, before anything is
// printed.
Result<void> CheckPrintableAmounts(const BookingTable &table);

// The day of a day count, for comparisons that ignore the time of day.
double WholeDay(double dayCount);

} // namespace penvaro::core

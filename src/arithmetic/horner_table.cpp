// The layout of Horner's table. It sits with the arithmetic rather than
// beside the expression display, because the polynomial layer below cannot
// see a HornerTable.
#include "tessarivand/arithmetic/horner_table.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tessarivand/console/number_format.hpp"

namespace tessarivand {

namespace {

constexpr const char* TitleText =
    "\n\n\n\n             ****************************************************\n"
    "             ***       Tableau de Horner de la division       ***\n"
    "             ****************************************************\n\n"
    "  Ligne 'µ = ...' : µ × la somme de la colonne précédente.\n"
    "  Ligne 'Sommes' : les coefficients du quotient, puis le reste après '|'.";

constexpr std::string_view PowersLabel = "Puissances";
constexpr std::string_view CoefficientsLabel = "Coefficients";
constexpr std::string_view SumsLabel = "Sommes";

constexpr std::size_t LineWidth = 80;
constexpr std::string_view ColumnGap = "   ";
constexpr std::string_view RemainderGap = "   | ";
constexpr std::string_view NoRemainderGap = "     ";

// Characters on screen: a UTF-8 text counts each of its code points once.
std::size_t widthOf(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }));
}

// One column of the table as it is printed: the power of X above it and its
// three cells (the product's empty under a[n]).
struct Column {
    std::string power;
    std::string coefficient;
    std::string product;
    std::string sum;
    std::size_t width = 0;
};

std::vector<Column> columnsOf(const HornerTable& table) {
    const std::size_t count = table.coefficients.size();
    const std::size_t firstProduct = count - std::min(count, table.products.size());
    std::vector<Column> columns(count);
    for (std::size_t i = 0; i < count; ++i) {
        Column& column = columns[i];
        column.power = "X^" + console::formatInteger(static_cast<std::int64_t>(count - 1 - i));
        column.coefficient = console::formatReal(table.coefficients[i]);
        if (i >= firstProduct) column.product = console::formatReal(table.products[i - firstProduct]);
        if (i < table.sums.size()) column.sum = console::formatReal(table.sums[i]);
        column.width =
            std::max({column.power.size(), column.coefficient.size(), column.product.size(), column.sum.size()});
    }
    return columns;
}

// The text of one row, as wide as its label's column plus its cells.
class Row {
public:
    Row(std::string_view label, std::size_t labelWidth) {
        text_ += "\n ";
        text_ += label;
        text_.append(labelWidth - widthOf(label), ' ');
        text_ += " |";
    }

    void addCell(std::string_view gap, std::string_view cell, std::size_t width) {
        text_ += gap;
        text_.append(width - cell.size(), ' ');
        text_ += cell;
    }

    // Without the blanks that an empty last cell leaves.
    void appendTo(std::string& out) {
        text_.erase(text_.find_last_not_of(' ') + 1);
        out += text_;
    }

private:
    std::string text_;
};

// Columns first to last - 1 under their powers; the last column of the table
// is the remainder's.
void appendBlock(std::string& out, const std::vector<Column>& columns, std::size_t first, std::size_t last,
                 std::string_view muLabel, std::size_t labelWidth) {
    Row powers(PowersLabel, labelWidth);
    Row coefficients(CoefficientsLabel, labelWidth);
    Row products(muLabel, labelWidth);
    Row sums(SumsLabel, labelWidth);
    for (std::size_t i = first; i < last; ++i) {
        const Column& column = columns[i];
        const bool isRemainder = i + 1 == columns.size();
        const std::string_view gap = isRemainder ? NoRemainderGap : ColumnGap;
        powers.addCell(gap, column.power, column.width);
        coefficients.addCell(gap, column.coefficient, column.width);
        products.addCell(gap, column.product, column.width);
        sums.addCell(isRemainder ? RemainderGap : ColumnGap, column.sum, column.width);
    }
    out += '\n';
    powers.appendTo(out);
    coefficients.appendTo(out);
    products.appendTo(out);
    sums.appendTo(out);
}

}  // namespace

void printHornerTable(const HornerTable& table) {
    const std::vector<Column> columns = columnsOf(table);
    if (columns.empty()) return;  // a table has at least a[0]; nothing else to lay out
    const std::string muLabel = "µ = " + console::formatReal(table.mu);
    const std::size_t labelWidth =
        std::max({widthOf(PowersLabel), widthOf(CoefficientsLabel), widthOf(SumsLabel), widthOf(muLabel)});
    const std::size_t headWidth = 1 + labelWidth + 2;

    std::string out = TitleText;
    // Four rows of at most 17 characters per column, and the heads of the blocks.
    out.reserve(out.size() + columns.size() * 80);
    std::size_t first = 0;
    std::size_t width = headWidth;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::size_t cost = (i + 1 == columns.size() ? RemainderGap.size() : ColumnGap.size()) + columns[i].width;
        if (i > first && width + cost > LineWidth) {
            appendBlock(out, columns, first, i, muLabel, labelWidth);
            first = i;
            width = headWidth;
        }
        width += cost;
    }
    appendBlock(out, columns, first, columns.size(), muLabel, labelWidth);
    std::cout << out;
}

}  // namespace tessarivand

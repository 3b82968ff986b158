// The layout of Horner's table. It sits with the arithmetic rather than
// beside the expression display, because the polynomial layer below cannot
// see a HornerTable.
#include "tessarivand/arithmetic/horner_table.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numbers/number_traits.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/numbers/limits.hpp"
#include "tessarivand/numbers/number_format.hpp"

namespace tessarivand {

namespace {

using numbers::NumberTraits;
using numbers::widthOf;

constexpr const char* TitleText =
    "\n\n\n\n             ****************************************************\n"
    "             ***       Tableau de Horner de la division       ***\n"
    "             ****************************************************\n\n";

constexpr const char* ColumnsLegend =
    "  Chaque nombre de la ligne « µ = ... » est le produit de µ par la somme\n"
    "  de la colonne précédente.\n"
    "  La somme sous X^k est le coefficient de X^(k-1) dans le quotient.\n"
    "  La dernière somme, après « | », est le reste, qui vaut P(µ).";

// The list that replaces the columns where numbers are too long for them.
constexpr const char* ListLegend =
    "  Sous chaque puissance X^k : son coefficient dans P, le produit de µ par\n"
    "  la somme précédente, puis leur somme, qui est le coefficient de X^(k-1)\n"
    "  dans le quotient.\n"
    "  La dernière somme, après « | », est le reste, qui vaut P(µ).";

constexpr std::string_view PowersLabel = "Puissances";
constexpr std::string_view CoefficientsLabel = "Coefficients";
constexpr std::string_view SumsLabel = "Sommes";

constexpr std::string_view ColumnGap = "   ";
constexpr std::string_view RemainderGap = "   | ";
// The longest number that formatReal writes, as -1.23457e+308.
constexpr std::size_t LongestCell = NumberTraits<double>::LongestText;

template <typename Number>
std::string cellText(const Number& value) {
    return NumberTraits<Number>::cellText(value);
}

// The rows of every block, from the top.
constexpr std::size_t PowersRow = 0;
constexpr std::size_t CoefficientsRow = 1;
constexpr std::size_t ProductsRow = 2;
constexpr std::size_t SumsRow = 3;
constexpr std::size_t RowCount = 4;

// One column of the table as it is printed: the power of X above it and its
// three cells (the product's empty under a[n]), as wide as the widest.
struct Column {
    std::array<std::string, RowCount> cells;
    std::size_t width = 0;
};

// Column i of the table, counted from a[n].
template <typename Number>
Column columnAt(const BasicHornerTable<Number>& table, std::size_t i) {
    const std::size_t count = table.coefficients.size();
    const std::size_t firstProduct = count - std::min(count, table.products.size());
    Column column;
    auto& cells = column.cells;
    cells[PowersRow] = "X^" + numbers::formatInteger(static_cast<std::int64_t>(count - 1 - i));
    cells[CoefficientsRow] = cellText(table.coefficients[i]);
    if (i >= firstProduct) cells[ProductsRow] = cellText(table.products[i - firstProduct]);
    if (i < table.sums.size()) cells[SumsRow] = cellText(table.sums[i]);
    for (const std::string& cell : cells) column.width = std::max(column.width, cell.size());
    return column;
}

// Each row's start, its label padded to the head column's width.
using Heads = std::array<std::string, RowCount>;

Heads headsFor(const std::string& muLabel) {
    Heads heads{std::string(PowersLabel), std::string(CoefficientsLabel), muLabel, std::string(SumsLabel)};
    std::size_t labelWidth = 0;
    for (const std::string& label : heads) labelWidth = std::max(labelWidth, widthOf(label));
    for (std::string& head : heads) {
        head.append(labelWidth - widthOf(head), ' ');
        head.insert(0, "\n ");
        head += " |";
    }
    return heads;
}

// The columns of one block, row by row, straight into out. When the block
// ends the table, its last column is the remainder's, behind a bar on every
// row.
void appendBlock(std::string& out, const std::vector<Column>& block, bool endsTable, const Heads& heads) {
    out += '\n';
    for (std::size_t row = 0; row < RowCount; ++row) {
        out += heads[row];
        for (std::size_t i = 0; i < block.size(); ++i) {
            const std::string& cell = block[i].cells[row];
            out += endsTable && i + 1 == block.size() ? RemainderGap : ColumnGap;
            out.append(block[i].width - cell.size(), ' ');
            out += cell;
        }
        out.erase(out.find_last_not_of(' ') + 1);  // the blanks of an empty last cell
    }
}

// Whether each column fits beside the heads, and the quotient's last one
// with the remainder's. A double's cell is never wider than LongestCell: its
// columns always fit, and nothing is formatted twice.
constexpr std::size_t WidestHead = 1 + 4 + LongestCell + 2;  // "\n µ = " … " |"
static_assert(WidestHead + ColumnGap.size() + LongestCell + RemainderGap.size() + LongestCell <= LineWidth);

// Exact numbers grow along the table, so the first column too wide for it
// is soon met, and the columns after it are not formatted here.
template <typename Number>
bool columnsFit(const BasicHornerTable<Number>& table, std::size_t headWidth) {
    if constexpr (NumberTraits<Number>::LongestText != 0) return true;
    const std::size_t count = table.coefficients.size();
    std::size_t previousWidth = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t width = columnAt(table, i).width;
        const bool isRemainder = i + 1 == count;
        const std::size_t needed = isRemainder
                                       ? (i == 0 ? 0 : ColumnGap.size() + previousWidth) + RemainderGap.size() + width
                                       : ColumnGap.size() + width;
        if (headWidth + needed > LineWidth) return false;
        previousWidth = width;
    }
    return true;
}

constexpr std::string_view ListIndent = "    ";
constexpr std::string_view ListBar = " |  ";
constexpr std::string_view CoefficientLine = " Coefficient : ";
constexpr std::string_view ProductLine = " Produit     : ";
constexpr std::string_view SumLine = " Somme       : ";

// One labelled value of the list; a number too long to follow its label
// within 80 characters has the next line to itself.
void appendListValue(std::string& out, std::string_view start, std::string_view label, const std::string& number) {
    out += '\n';
    out += start;
    out += label;
    if (widthOf(start) + widthOf(label) + number.size() > LineWidth) {
        out.erase(out.find_last_not_of(' ') + 1);
        out += '\n';
    }
    out += number;
}

// The list: µ, then for each power of X its line and its values; the
// remainder's lines behind a bar, as its column is.
template <typename Number>
void appendList(std::string& out, const BasicHornerTable<Number>& table) {
    const std::size_t count = table.coefficients.size();
    const std::size_t firstProduct = count - std::min(count, table.products.size());
    out += ListLegend;
    out += '\n';
    appendListValue(out, "", " µ = ", cellText(table.mu));
    out += '\n';
    for (std::size_t i = 0; i < count; ++i) {
        const bool isRemainder = i + 1 == count;
        const std::string_view start = isRemainder ? ListBar : ListIndent;
        out += isRemainder ? "\n | X^" : "\n X^";
        out += numbers::formatInteger(static_cast<std::int64_t>(count - 1 - i));
        appendListValue(out, start, CoefficientLine, cellText(table.coefficients[i]));
        if (i >= firstProduct) appendListValue(out, start, ProductLine, cellText(table.products[i - firstProduct]));
        if (i < table.sums.size()) appendListValue(out, start, SumLine, cellText(table.sums[i]));
    }
}

}  // namespace

template <typename Number>
void printHornerTable(const BasicHornerTable<Number>& table) {
    const std::size_t count = table.coefficients.size();
    if (count == 0) return;  // a table has at least a[0]; nothing else to lay out
    const Heads heads = headsFor("µ = " + cellText(table.mu));
    const std::size_t headWidth = widthOf(heads[PowersRow]) - 1;  // without its line break
    if (!columnsFit(table, headWidth)) {
        std::string out = TitleText;
        appendList(out, table);
        std::cout << out;
        return;
    }

    // Room for the widest cells and a block per column at worst: reserved
    // but never written, the excess costs nothing, and the text is never
    // copied as it grows.
    std::size_t headBytes = 1;
    for (const std::string& head : heads) headBytes += head.size();
    std::string out = TitleText;
    out += ColumnsLegend;
    out.reserve(out.size() + count * (RowCount * (RemainderGap.size() + LongestCell) + headBytes));

    // Column by column, a block is laid out as soon as the next column would
    // not fit beside it; only that block's columns are kept. The quotient's
    // last column must fit together with the remainder's, so that the
    // remainder never stands alone in the last block.
    Column remainder = columnAt(table, count - 1);
    const std::size_t remainderCost = RemainderGap.size() + remainder.width;
    std::vector<Column> block;
    std::size_t width = headWidth;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        Column column = columnAt(table, i);
        const std::size_t cost = ColumnGap.size() + column.width;
        const std::size_t needed = i + 2 == count ? cost + remainderCost : cost;
        if (!block.empty() && width + needed > LineWidth) {
            appendBlock(out, block, false, heads);
            block.clear();
            width = headWidth;
        }
        width += cost;
        block.push_back(std::move(column));
    }
    block.push_back(std::move(remainder));
    appendBlock(out, block, true, heads);
    std::cout << out;
}

template void printHornerTable(const HornerTable& table);
template void printHornerTable(const ExactHornerTable& table);

}  // namespace tessarivand

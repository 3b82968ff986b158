#include "tessarivand/flow/program.hpp"

#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "numbers/number_traits.hpp"
#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/arithmetic/roots.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/console/graph.hpp"
#include "tessarivand/console/streams.hpp"
#include "tessarivand/flow/prompts.hpp"
#include "tessarivand/input/readers.hpp"
#include "tessarivand/numbers/rational.hpp"
#include "tessarivand/polynomial/exact_polynomial.hpp"
#include "tessarivand/polynomial/polynomial.hpp"

namespace tessarivand {

namespace {

constexpr const char* Credits =
    "\n\n                 ------------------------------------------\n\n"
    "                 Ce Programme a été entièrement conçu par :\n\n"
    "                       \" Pr.  MARVENTOLD \"\n\n"
    "                 ------------------------------------------- \n\n";

constexpr const char* Title = "                               TESSARIVAND ";

constexpr const char* Description =
    "   Ce programme effectue des calculs sur des polynômes à coefficients réels\n\n"
    "                   dont les degrés sont inférieurs à 1000 ";

constexpr const char* Task =
    "  Division Euclidienne selon les puissances décroissantes d'un Polynôme 'P(X)'\n\n"
    "                         sur un binôme '(X - µ)'\n\n"
    "                      où :  µ  est un nombre réel . ";

constexpr const char* Domain =
    "                'P' désigne un polynôme à coefficients réels\n\n"
    "                        tel que :  deg(P) < 1000 ";

constexpr const char* Menu =
    "\n\n\n\n Que voulez-vous faire ?\n\n"
    "         1. Changer le Polynôme 'P' et la valeur de  'µ'\n\n"
    "         2. Changer le Polynôme 'P' sans changer la valeur de  'µ'\n\n"
    "         3. Changer la valeur de  'µ' sans changer le Polynôme 'P'\n\n"
    "         4. Reprendre/Quitter le programme\n";

// Exact mode's menu: the same four lines, and the search for roots.
constexpr const char* ExactMenuLastLine = "\n         5. Chercher les racines rationnelles de 'P' et le factoriser\n";

constexpr const char* TooLargeNotice =
    "\n\n\n\n  ATTENTION :  Le résultat exact de cette division serait trop long à\n"
    "  calculer ou à écrire : il n'est pas calculé. Choisissez dans le menu une\n"
    "  autre valeur de µ ou un autre polynôme P.";

constexpr const char* TableTooLargeNotice =
    "\n\n\n\n  ATTENTION :  Le tableau de Horner de cette division serait à lui seul\n"
    "  trop long à écrire : il n'est pas affiché.";

constexpr const char* MuName = "µ";

// The menu and its reader: four choices in doubles, five in exact mode.
void askMenuChoice(std::int32_t& choice, const Polynomial& /*p*/) {
    std::cout << Menu;
    readMenuChoice(choice, "Votre Choix");
}

void askMenuChoice(std::int32_t& choice, const ExactPolynomial& /*p*/) {
    std::cout << Menu << ExactMenuLastLine;
    readMenuChoiceOfFive(choice, "Votre Choix");
}

// What of a division is made: an exact one is first sized, and what would
// be too large is not computed; its notice takes its place, and the menu
// follows as after any division.
template <typename Number>
ExactDivisionFit fitOf(const BasicPolynomial<Number>& p, const Number& mu, bool withTable) {
    if constexpr (numbers::NumberTraits<Number>::HasBudget) {
        return exactDivisionFit(exactDivisionSizes(p, mu), withTable);
    } else {
        return ExactDivisionFit::whole;
    }
}

// After a division: P, µ and the remainder, for the page to draw, and
// after choice 5 P's real roots too. A console draws nothing, so nothing is
// written out for it.
template <typename Number>
void showGraph(const BasicPolynomial<Number>& p, std::vector<std::string> realRoots = {}) {
    if (!console::drawsGraphs()) return;
    console::GraphData data;
    data.realRoots = std::move(realRoots);
    for (std::uint32_t k = 0; k <= p.degree; ++k)
        data.coefficients.push_back(numbers::formatPrecise(p.coefficients[k]));
    data.mu = numbers::formatPrecise(p.mu);
    data.remainder = numbers::formatPrecise(p.remainder);
    console::showGraph(data);
}

// The division prints everything; its quotient is not needed afterwards.
// The table is the record of that same pass.
template <typename Number>
void divide(BasicPolynomial<Number>& p, const Number& mu, const Settings& settings) {
    const ExactDivisionFit fit = fitOf(p, mu, settings.showHornerTable);
    if (fit == ExactDivisionFit::none) {
        std::cout << TooLargeNotice;
        return;
    }
    if (settings.showHornerTable && fit == ExactDivisionFit::whole) {
        BasicHornerTable<Number> table;
        const BasicPolynomial<Number> quotient = quotientByBinomial(p, mu, table);
        printDivision(p, quotient);
        printHornerTable(table);
    } else {
        static_cast<void>(divideByBinomial(p, mu));
        // Here fit is whole when no table is asked for.
        if (settings.showHornerTable) std::cout << TableTooLargeNotice;
    }
    showGraph(p);
}

// One run: P and µ typed and divided, then the menu until the user leaves;
// in doubles or, with --exact, in exact rationals.
template <typename Number>
void runOnce(const Settings& settings) {
    auto p = std::make_unique<BasicPolynomial<Number>>();
#if defined(__cpp_lib_smart_ptr_for_overwrite)
    auto mu = std::make_unique_for_overwrite<Number>();
    auto choice = std::make_unique_for_overwrite<std::int32_t>();
#else
    // Zeroed where the library cannot leave them unset; they are written
    // before they are read all the same.
    auto mu = std::make_unique<Number>();
    auto choice = std::make_unique<std::int32_t>();
#endif

    printCredits();
    console::printBanner(Title, Description);
    console::printBanner(Task, Domain);
    p->enter();
    readReal(*mu, MuName);
    divide(*p, *mu, settings);

    for (;;) {
        askMenuChoice(*choice, *p);
        switch (*choice) {
            case 1:
                p->enter();
                readReal(*mu, MuName);
                break;
            case 2:
                p->enter();
                break;
            case 3:
                readReal(*mu, MuName);
                break;
            case 5:  // exact mode only: P and µ stay as they are
                if constexpr (std::is_same_v<Number, Rational>) {
                    showGraph(*p, printRootSearch(*p, settings.showHornerTable, console::outputShowsUnicode()));
                }
                continue;
            default:  // 4: the only other value that the readers let through
                p.reset();
                mu.reset();
                choice.reset();
                return;
        }
        divide(*p, *mu, settings);
    }
}

}  // namespace

void printCredits() { std::cout << Credits; }

int runProgram(const Settings& settings) {
    do {
        if (settings.exactNumbers) {
            runOnce<Rational>(settings);
        } else {
            runOnce<double>(settings);
        }
    } while (askResumeOrQuit() == RunAnswer::resume);
    return 0;
}

}  // namespace tessarivand

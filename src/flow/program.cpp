#include "tessarivand/flow/program.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/console/graph.hpp"
#include "tessarivand/console/rational.hpp"
#include "tessarivand/flow/prompts.hpp"
#include "tessarivand/input/readers.hpp"
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

constexpr const char* TooLargeNotice =
    "\n\n\n\n  ATTENTION :  Le résultat exact de cette division serait trop grand\n"
    "  (des millions de chiffres, ou plus d'une seconde de calcul) : il n'est pas\n"
    "  calculé. Choisissez dans le menu une autre valeur de µ ou un autre\n"
    "  polynôme P.";

constexpr const char* MuName = "µ";

void readMu(double& mu) { readReal(mu, MuName); }
void readMu(Rational& mu) { readExactReal(mu, MuName); }

// The page's curve takes every digit of a double, not the six shown. The web
// build's library has no std::to_chars for doubles; the program never sets
// the locale, so printf writes a point.
std::string graphText(double value) {
    std::array<char, 32> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.17g", value);
    return {text.data(), static_cast<std::size_t>(std::max(length, 0))};
}
std::string graphText(const Rational& value) { return console::formatRational(value); }

// After a division: P, µ and the remainder, for the page to draw.
template <typename AnyPolynomial>
void showGraph(const AnyPolynomial& p) {
    console::GraphData data;
    for (std::uint32_t k = 0; k <= p.degree; ++k) data.coefficients.push_back(graphText(p.coefficients[k]));
    data.mu = graphText(p.mu);
    data.remainder = graphText(p.remainder);
    console::showGraph(data);
}

// The division prints everything; its quotient is not needed afterwards.
// Its table runs the same scheme once more rather than keep every step of
// each division that nobody asked to see.
void divide(Polynomial& p, double mu, const Settings& settings) {
    static_cast<void>(divideByBinomial(p, mu));
    if (settings.showHornerTable) printHornerTable(hornerTable(p, mu));
    showGraph(p);
}

// An exact result too large to compute in a moment is not computed: the
// notice takes the identity's place, and the menu follows as after any
// division.
void divide(ExactPolynomial& p, const Rational& mu, const Settings& settings) {
    if (!exactDivisionFits(p, mu, settings.showHornerTable)) {
        std::cout << TooLargeNotice;
        return;
    }
    static_cast<void>(divideByBinomial(p, mu));
    if (settings.showHornerTable) printHornerTable(hornerTable(p, mu));
    showGraph(p);
}

// One run: P and µ typed and divided, then the menu until the user leaves;
// in doubles or, with --exact, in exact rationals.
template <typename AnyPolynomial, typename Number>
void runOnce(const Settings& settings) {
    auto p = std::make_unique<AnyPolynomial>();
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
    readMu(*mu);
    divide(*p, *mu, settings);

    for (;;) {
        std::cout << Menu;
        readMenuChoice(*choice, "Votre Choix");
        switch (*choice) {
            case 1:
                p->enter();
                readMu(*mu);
                break;
            case 2:
                p->enter();
                break;
            case 3:
                readMu(*mu);
                break;
            default:  // 4: the only other value that the reader lets through
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
            runOnce<ExactPolynomial, Rational>(settings);
        } else {
            runOnce<Polynomial, double>(settings);
        }
    } while (askResumeOrQuit() == RunAnswer::resume);
    return 0;
}

}  // namespace tessarivand

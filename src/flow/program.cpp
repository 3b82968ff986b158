#include "tessarivand/flow/program.hpp"

#include <cstdint>
#include <iostream>
#include <memory>

#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/flow/prompts.hpp"
#include "tessarivand/input/readers.hpp"
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

constexpr const char* MuName = "µ";

// The division prints everything; its quotient is not needed afterwards.
// Its table runs the same scheme once more rather than keep every step of
// each division that nobody asked to see.
void divide(Polynomial& p, double mu, const Settings& settings) {
    static_cast<void>(divideByBinomial(p, mu));
    if (settings.showHornerTable) printHornerTable(hornerTable(p, mu));
}

// One run: P and µ typed and divided, then the menu until the user leaves.
void runOnce(const Settings& settings) {
    auto p = std::make_unique<Polynomial>();
#if defined(__cpp_lib_smart_ptr_for_overwrite)
    auto mu = std::make_unique_for_overwrite<double>();
    auto choice = std::make_unique_for_overwrite<std::int32_t>();
#else
    // Zeroed where the library cannot leave them unset; they are written
    // before they are read all the same.
    auto mu = std::make_unique<double>();
    auto choice = std::make_unique<std::int32_t>();
#endif

    printCredits();
    console::printBanner(Title, Description);
    console::printBanner(Task, Domain);
    p->enter();
    readReal(*mu, MuName);
    divide(*p, *mu, settings);

    for (;;) {
        std::cout << Menu;
        readMenuChoice(*choice, "Votre Choix");
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
        runOnce(settings);
    } while (askResumeOrQuit() == RunAnswer::resume);
    return 0;
}

}  // namespace tessarivand

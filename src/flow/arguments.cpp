#include "tessarivand/flow/arguments.hpp"

#include <cstddef>
#include <iostream>
#include <string_view>

#include "tessarivand/flow/program.hpp"

#ifndef TESSARIVAND_VERSION
#error "TESSARIVAND_VERSION is the project's version, defined by CMake"
#endif

namespace tessarivand {

namespace {

constexpr const char* Usage =
    "Usage : tessarivand [-t | --tableau] [-e | --exact] [--help | --version]\n"
    "\n"
    "Division euclidienne d'un polynôme réel P(X) de degré inférieur à 1000 par\n"
    "le binôme (X - µ), selon les puissances décroissantes (schéma de Horner).\n"
    "Sans argument, le programme demande le degré et les coefficients de P, puis\n"
    "la valeur de µ, affiche P(X) = (X - µ).(quotient) + (reste), puis un menu.\n"
    "\n"
    "Options :\n"
    "  -t, --tableau  affiche après chaque division son tableau de Horner\n"
    "  -e, --exact    calcule en fractions exactes, sans arrondi : les\n"
    "                 coefficients et µ peuvent alors s'écrire en fractions (2/3)\n"
    "  -h, --help     affiche cette aide et termine\n"
    "  --version      affiche la version et la licence, et termine\n"
    "\n"
    "Manuel : man tessarivand\n";

constexpr const char* NameAndVersion = "tessarivand " TESSARIVAND_VERSION "\n";

constexpr const char* Licence =
    "Copyright (c) 2026 The TESSARIVAND developers\n"
    "Licence MIT : logiciel libre, fourni sans aucune garantie.\n";

constexpr int WrongUsage = 2;

// What was asked for went out whole: status 0. Otherwise the program ends
// with status 1, as when the dialogue cannot be written.
int statusOfOutput() {
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int refuse(std::string_view argument) {
    std::cerr << "tessarivand : argument inconnu « " << argument << " » (voir « tessarivand --help »)\n";
    return WrongUsage;
}

}  // namespace

int runCommandLine(std::span<const std::string> commandLine) {
    Settings settings;
    // argv may be empty when a program is started without even its own name.
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        const std::string_view argument = commandLine[i];
        if (argument == "--tableau" || argument == "-t") {
            settings.showHornerTable = true;
        } else if (argument == "--exact" || argument == "-e") {
            settings.exactNumbers = true;
        } else if (argument == "--help" || argument == "-h") {
            std::cout << Usage;
            return statusOfOutput();
        } else if (argument == "--version") {
            std::cout << NameAndVersion << Licence;
            return statusOfOutput();
        } else {
            return refuse(argument);
        }
    }
    return runProgram(settings);
}

}  // namespace tessarivand

#include "tessarivand/flow/arguments.hpp"

#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
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
    "                 ou avec une virgule décimale (0,5) ; chaque division donne\n"
    "                 aussi P(µ), et le menu offre un choix 5 : chercher les\n"
    "                 racines rationnelles de P et le factoriser\n"
    "  -h, --help     affiche cette aide et termine\n"
    "  --version      affiche la version et la licence, et termine\n"
    "\n"
    "Les options courtes se combinent : -et équivaut à -e -t.\n"
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

// One option: a setting, read on; or the end, with its status.
std::optional<int> apply(std::string_view option, Settings& settings) {
    if (option == "--tableau" || option == "-t") {
        settings.showHornerTable = true;
    } else if (option == "--exact" || option == "-e") {
        settings.exactNumbers = true;
    } else if (option == "--help" || option == "-h") {
        std::cout << Usage;
        return statusOfOutput();
    } else if (option == "--version") {
        std::cout << NameAndVersion << Licence;
        return statusOfOutput();
    } else {
        return refuse(option);
    }
    return std::nullopt;
}

// Short options together, as GNU tools take them: "-et" is "-e" then "-t".
bool isGroup(std::string_view argument) { return argument.size() > 2 && argument[0] == '-' && argument[1] != '-'; }

// The bytes of the UTF-8 character that starts at letters[at], so that a
// refused letter beyond ASCII is named whole.
std::size_t characterLength(std::string_view letters, std::size_t at) {
    const auto isContinuation = [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; };
    std::size_t end = at + 1;
    while (end < letters.size() && isContinuation(letters[end])) ++end;
    return end - at;
}

// Each letter of a group as the option of that letter alone: the first one
// that ends the program decides, as an argument of its own would.
std::optional<int> applyGroup(std::string_view group, Settings& settings) {
    for (std::size_t at = 1; at < group.size();) {
        const std::size_t length = characterLength(group, at);
        std::string option = "-";
        option += group.substr(at, length);
        // Qualified: a std::string argument would let argument-dependent
        // lookup find std::apply too, which libc++ (the page's) rejects.
        if (const std::optional<int> status = tessarivand::apply(option, settings)) return status;
        at += length;
    }
    return std::nullopt;
}

}  // namespace

int runCommandLine(std::span<const std::string> commandLine) {
    Settings settings;
    // argv may be empty when a program is started without even its own name.
    for (std::size_t i = 1; i < commandLine.size(); ++i) {
        const std::string_view argument = commandLine[i];
        const std::optional<int> status =
            isGroup(argument) ? applyGroup(argument, settings) : apply(argument, settings);
        if (status) return *status;
    }
    return runProgram(settings);
}

}  // namespace tessarivand

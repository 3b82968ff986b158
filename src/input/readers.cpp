#include "tessarivand/input/readers.hpp"

#include <iostream>
#include <string_view>

#include "tessarivand/console/number_format.hpp"
#include "tessarivand/input/extraction.hpp"

namespace tessarivand {

namespace {

struct ReaderTexts {
    std::string_view prompt;
    std::string_view notANumber;  // to standard error
    std::string_view outOfRange;  // to standard output
    std::string_view confirmation;
    std::string_view closing;
};

constexpr ReaderTexts RealTexts{
    .prompt = "\n\n Veuillez entrer un Nombre Réel :  ",
    .notANumber =
        "\n\n Saisie incorrecte ! \n\n Vous avez entré autre chose qu'un nombre réel  !!!\n\n"
        " Veuillez entrer de nouveau un \" Nombre Réel \" : ",
    .outOfRange = "",
    .confirmation = "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre réel entré est \" ",
    .closing = " \" .\n",
};

constexpr std::string_view NaturalRetry =
    "\n\n Saisie incorrecte ! \n\n Veuillez entrer de nouveau un \"Nombre Entier Naturel  Inférieur à 1000\" :\n\n"
    "                           ";

constexpr ReaderTexts NaturalTexts{
    .prompt = "\n\n Veuillez entrer un Nombre Entier Naturel Inférieur à 1000 :  ",
    .notANumber = NaturalRetry,
    .outOfRange = NaturalRetry,
    .confirmation = "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre entier naturel entré est \" ",
    .closing = " \" .\n\n\n",
};

constexpr ReaderTexts MenuChoiceTexts{
    .prompt = "\n\n Veuillez entrer 1 , 2 , 3 ou 4 :  ",
    .notANumber =
        "\n\n Saisie incorrecte ! \n\n Vous avez entré autre chose qu'un nombre entier  !!!\n\n"
        " Veuillez entrer de nouveau un \" Nombre Entier \" : ",
    .outOfRange =
        "\n\n Saisie incorrecte ! \n\n Vous avez entré un nombre entier non compris entre 1 et 4 !!!\n\n\n\n"
        " Veuillez entrer un \" Nombre Entier compris entre 1 et 4 \" : ",
    .confirmation = "\n\n\n Saisie Confirmée !!! \n\n\n Le nombre entier entré est \" ",
    .closing = " \" .\n\n\n",
};

std::string withName(std::string_view text, const std::string& displayName) {
    std::string message(text);
    message += displayName;
    message += " = ";
    return message;
}

std::string formatted(double value) { return console::formatReal(value); }
std::string formatted(std::int32_t value) { return console::formatInteger(value); }

// Prompt, read, recover, range test, confirm: the pattern of every reader.
template <typename Number, typename Accepts>
void readValidated(Number& value, const std::string& displayName, const ReaderTexts& texts, Accepts accepts) {
    std::cout << withName(texts.prompt, displayName);
    const std::string retry = withName(texts.notANumber, displayName);
    for (;;) {
        input::extractNumber(value, retry);
        if (accepts(value)) {
            break;
        }
        std::cout << withName(texts.outOfRange, displayName);
    }
    std::cout << withName(texts.confirmation, displayName) << formatted(value) << texts.closing;
}

}  // namespace

void readReal(double& value, std::string displayName) {
    readValidated(value, displayName, RealTexts, [](double) { return true; });
}

void readNatural(std::int32_t& value, std::string displayName) {
    readValidated(value, displayName, NaturalTexts, [](std::int32_t v) { return v >= 0 && v < NaturalLimit; });
}

void readMenuChoice(std::int32_t& value, std::string displayName) {
    readValidated(value, displayName, MenuChoiceTexts, [](std::int32_t v) { return v >= 1 && v <= 4; });
}

}  // namespace tessarivand

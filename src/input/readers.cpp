#include "tessarivand/input/readers.hpp"

#include <array>
#include <cstddef>
#include <iostream>
#include <string_view>
#include <type_traits>

#include "tessarivand/input/extraction.hpp"
#include "tessarivand/numbers/limits.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/numbers/rational.hpp"

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

// Exact mode's menu has a fifth choice.
constexpr ReaderTexts FiveChoicesTexts{
    .prompt = "\n\n Veuillez entrer 1 , 2 , 3 , 4 ou 5 :  ",
    .notANumber = MenuChoiceTexts.notANumber,
    .outOfRange =
        "\n\n Saisie incorrecte ! \n\n Vous avez entré un nombre entier non compris entre 1 et 5 !!!\n\n\n\n"
        " Veuillez entrer un \" Nombre Entier compris entre 1 et 5 \" : ",
    .confirmation = MenuChoiceTexts.confirmation,
    .closing = MenuChoiceTexts.closing,
};

// Why exact mode refused a number, beyond what readReal refuses, in the order
// of numbers::ExactRefusal after notANumber. Each is framed like readReal's
// not-a-number message.
constexpr auto ExactRefusalReasons = std::to_array<std::string_view>({
    " Après la barre de fraction \" / \", le dénominateur doit être un nombre\n"
    " entier naturel non nul, écrit avec des chiffres seulement",
    " Une fraction s'écrit avec deux nombres entiers, sans point décimal\n"
    " ni exposant, de part et d'autre de la barre \" / \"",
    " Une fraction s'écrit sans espace avant ni après la barre \" / \"",
    " Le calcul exact n'accepte que des nombres d'au plus 1000 chiffres,\n"
    " avec un exposant compris entre -1000 et 1000",
    " Un nombre décimal s'écrit avec une seule virgule ou un seul point,\n"
    " pas avec les deux, ni avec deux virgules",
    " Une fraction s'écrit avec deux nombres entiers, sans virgule, de part\n"
    " et d'autre de la barre \" / \"",
});
static_assert(ExactRefusalReasons.size() + 1 == numbers::ExactRefusalCount);

// What follows each text: the display name and " = " for the readers; for the
// coefficient entry its own label, which its not-a-number message leaves one
// more space before.
struct Label {
    std::string text;
    std::string afterRetry;
};

Label named(const std::string& displayName) {
    std::string text = displayName + " = ";
    return {text, text};
}

Label coefficientLabel(std::uint32_t index) {
    std::string text = "Le Coefficient   a[" + numbers::formatInteger(index) + "]  =  ";
    return {text, " " + text};
}

std::string followedBy(std::string_view text, const std::string& label) {
    std::string message(text);
    message += label;
    return message;
}

// The message of each refusal: one text for doubles and integers, one per
// numbers::ExactRefusal for exact numbers.
template <typename Number>
auto retryMessages(const ReaderTexts& texts, const std::string& label) {
    if constexpr (std::is_same_v<Number, Rational>) {
        input::ExactRetryMessages messages;
        messages[0] = followedBy(texts.notANumber, label);
        for (std::size_t i = 0; i < ExactRefusalReasons.size(); ++i) {
            messages.at(i + 1) = "\n\n Saisie incorrecte ! \n\n" + std::string(ExactRefusalReasons.at(i)) +
                                 "  !!!\n\n Veuillez entrer de nouveau un \" Nombre Réel \" : " + label;
        }
        return messages;
    } else {
        return followedBy(texts.notANumber, label);
    }
}

template <typename Number>
std::string confirmed(const Number& value) {
    if constexpr (std::is_integral_v<Number>) {
        return numbers::formatInteger(value);
    } else {
        return numbers::formatNumber(value);
    }
}

// Prompt, read, recover, range test, confirm: the pattern of every reader.
template <typename Number, typename Accepts>
void readValidated(Number& value, const Label& label, const ReaderTexts& texts, Accepts accepts) {
    std::cout << followedBy(texts.prompt, label.text);
    const auto retry = retryMessages<Number>(texts, label.afterRetry);
    for (;;) {
        input::extractNumber(value, retry);
        if (accepts(value)) {
            break;
        }
        std::cout << followedBy(texts.outOfRange, label.text);
    }
    std::cout << followedBy(texts.confirmation, label.text) << confirmed(value) << texts.closing;
}

constexpr auto AnyValue = [](const auto&) { return true; };

}  // namespace

void readReal(double& value, std::string displayName) { readValidated(value, named(displayName), RealTexts, AnyValue); }

void readNatural(std::int32_t& value, std::string displayName) {
    readValidated(value, named(displayName), NaturalTexts,
                  [](std::int32_t v) { return v >= 0 && static_cast<std::uint32_t>(v) < MaxTerms; });
}

void readMenuChoice(std::int32_t& value, std::string displayName) {
    readValidated(value, named(displayName), MenuChoiceTexts, [](std::int32_t v) { return v >= 1 && v <= 4; });
}

void readMenuChoiceOfFive(std::int32_t& value, std::string displayName) {
    readValidated(value, named(displayName), FiveChoicesTexts, [](std::int32_t v) { return v >= 1 && v <= 5; });
}

void readCoefficient(double& value, std::uint32_t index) {
    readValidated(value, coefficientLabel(index), RealTexts, AnyValue);
}

void readReal(Rational& value, std::string displayName) {
    readValidated(value, named(displayName), RealTexts, AnyValue);
}

void readCoefficient(Rational& value, std::uint32_t index) {
    readValidated(value, coefficientLabel(index), RealTexts, AnyValue);
}

}  // namespace tessarivand

#include "tessarivand/flow/prompts.hpp"

#include <iostream>

#include "tessarivand/console/key.hpp"
#include "tessarivand/input/extraction.hpp"

namespace tessarivand {

namespace {

constexpr const char* ResumePrompt =
    "\n\n\n\n  Appuyez sur 'R' ou 'r' pour Reprendre \n\n                ou bien                \n\n"
    "  Appuyez sur 'Q' ou 'q' pour Quitter \n\n";
constexpr const char* WrongKey = "\n\n  FAITES ATTENTION !!!\n\n Votre saisie est FAUSSE  !!! \n\n";

constexpr const char* ContinuePrompt =
    "\n\n\n\n  Appuyez sur 'C' puis 'Entrée' pour Continuer \n\n                ou                \n\n"
    "  Appuyez sur 'Q' puis 'Entrée' pour Quitter \n\n";
constexpr const char* MoreThanOneCharacter =
    "\n\n  FAITES ATTENTION !!!\n\n vous avez entré plus d'un caractère !!! \n\n";
constexpr const char* WrongCharacter =
    "\n\n  FAITES ATTENTION !!!\n\n vous avez entré un caractère différent de 'C' et de 'Q' !!! \n\n";

}  // namespace

RunAnswer askResumeOrQuit() {
    console::KeyPress key;
    std::size_t judged = 0;
    for (;;) {
        std::cout << ResumePrompt;
        // The second code of a two-code key is judged without a new press.
        if (judged == key.count) {
            key = console::readKey();
            judged = 0;
        }
        const int code = key.codes[judged++];
        if (code == 'r' || code == 'R') return RunAnswer::resume;
        if (code == 'q' || code == 'Q') return RunAnswer::quit;
        std::cout << WrongKey;
    }
}

RunAnswer askContinueOrQuit() {
    for (;;) {
        std::cout << ContinuePrompt;
        const input::TypedWord word = input::extractWord();
        if (!word.single) {
            std::cout << MoreThanOneCharacter;
            continue;
        }
        if (word.first == 'c' || word.first == 'C') return RunAnswer::resume;
        if (word.first == 'q' || word.first == 'Q') return RunAnswer::quit;
        std::cout << WrongCharacter;
    }
}

}  // namespace tessarivand

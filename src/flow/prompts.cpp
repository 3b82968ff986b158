#include "tessarivand/flow/prompts.hpp"

#include <iostream>
#include <string>

#include "console/utf8.hpp"
#include "tessarivand/console/key.hpp"
#include "tessarivand/console/streams.hpp"

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

// The blanks that end a word for the stream's extraction.
bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

struct Word {
    int first = 0;
    bool single = true;
};

// One word of standard input, of any length, without storing it: only its
// first character and whether it has more matter. The blank that ends it
// stays in the input.
Word readWord() {
    constexpr int EndOfFile = std::char_traits<char>::eof();
    std::cin >> std::ws;
    std::streambuf* const in = std::cin.rdbuf();
    Word word;
    word.first = std::cin.eof() ? EndOfFile : in->sbumpc();
    if (word.first == EndOfFile) console::endOfInput();
    for (int next = in->sgetc(); next != EndOfFile && !isBlank(next); next = in->snextc()) {
        // A typed "é" is one character.
        if (!console::utf8::isContinuation(static_cast<unsigned char>(next))) word.single = false;
    }
    return word;
}

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
        const Word word = readWord();
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

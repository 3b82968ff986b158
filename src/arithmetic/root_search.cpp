// Choice 5 of exact mode: the texts of the search for rational roots, and
// the quadratic factor's roots in radicals.
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tessarivand/arithmetic/division.hpp"
#include "tessarivand/arithmetic/exact_division.hpp"
#include "tessarivand/arithmetic/horner_table.hpp"
#include "tessarivand/arithmetic/roots.hpp"
#include "tessarivand/console/banner.hpp"
#include "tessarivand/numbers/limits.hpp"
#include "tessarivand/numbers/number_format.hpp"
#include "tessarivand/polynomial/natural_terms.hpp"

namespace tessarivand {

namespace {

using boost::multiprecision::abs;
using boost::multiprecision::denominator;
using boost::multiprecision::gcd;
using boost::multiprecision::msb;
using boost::multiprecision::numerator;
using boost::multiprecision::sqrt;
using numbers::formatInteger;
using numbers::formatRational;

// Sentences after a margin of two spaces, within the screen's width.
constexpr std::size_t Margin = 2;
constexpr std::size_t TextWidth = LineWidth - Margin;
// Beyond these, A(X) and its two end coefficients are named, not written:
// forty lines of digits help no one.
constexpr double MaxWrittenTerms = 3000.0;
constexpr std::size_t MaxWrittenBits = 400;

std::vector<Rational> asRationals(const std::vector<Integer>& a) { return {a.begin(), a.end()}; }

// --- The quadratic factor ---------------------------------------------------------

// n = s^2 d with d square-free, by trial division up to the candidates'
// bound; false when a cofactor too large to tell is left.
bool splitSquare(Integer n, Integer& s, Integer& d) {
    s = 1;
    d = 1;
    std::uint32_t k = 2;
    for (; k < TrialDivisionLimit && Integer(k) * k <= n; ++k) {
        while (boost::multiprecision::integer_modulus(n, k * k) == 0) {
            n /= k * k;
            s *= k;
        }
    }
    // What is left has no square factor below k^2; below k^3 it is prime,
    // the square of a prime, or a product of two distinct primes.
    const Integer root = sqrt(n);
    if (n > 1 && root * root == n) {
        s *= root;
        return true;
    }
    d = n;
    return Integer(k) * k > n || Integer(k) * k * k > n;
}

QuadraticRoot quadraticRoot(const Integer& b, const Integer& s, const Integer& twoA, const Integer& d, bool imaginary) {
    const Integer g = gcd(gcd(b, s), twoA);
    return {-b / g, s / g, twoA / g, d, imaginary};
}

// "2√3", "√3", "i√3", "2i", "i"; with unicode false, "racine(3)".
std::string radical(const Integer& q, const Integer& d, bool imaginary, bool unicode) {
    std::string text;
    const Integer size = boost::multiprecision::abs(q);
    if (size != 1) text += size.str();
    if (imaginary) text += 'i';
    if (d != 1) {
        if (!text.empty() && !unicode) text += ' ';
        text += unicode ? "√" + d.str() : "racine(" + d.str() + ")";
    }
    return text;
}

// --- Writing ------------------------------------------------------------------

// Words laid out in lines of at most TextWidth characters, each after a
// margin of two spaces; a word longer than a line has a line of its own. A
// word that begins with X stays with the word before it: a term's
// coefficient and its X are not split.
std::string wrapped(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (!words.empty() && text[start] == 'X') {
            const auto from = static_cast<std::size_t>(words.back().data() - text.data());
            words.back() = text.substr(from, end - from);
        } else {
            words.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    const auto width = [](std::string_view word) {
        std::size_t n = 0;
        for (const char c : word) n += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
        return n;
    };
    std::string out = "  ";
    std::size_t column = 0;
    for (const std::string_view word : words) {
        if (column > 0 && column + 1 + width(word) > TextWidth) {
            out += "\n  ";
            column = 0;
        } else if (column > 0) {
            out += ' ';
            ++column;
        }
        out += word;
        column += width(word);
    }
    return out;
}

void paragraph(std::string_view text) { std::cout << "\n\n" << wrapped(text); }

std::string multiplicityWord(std::uint32_t m) {
    switch (m) {
        case 1:
            return "";
        case 2:
            return " (double)";
        case 3:
            return " (triple)";
        default:
            return " (d'ordre " + formatInteger(m) + ")";
    }
}

// "a, b et c".
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " et " : ", ";
        text += items[i];
    }
    return text;
}

std::string leadingFactor(const Rational& c) {
    if (c == 1) return "";
    if (c == -1) return "-";
    return formatRational(c) + " ";
}

// The factors after c: X^m, then each (X - r)^m, then F unless it is 1.
std::string factorsText(const RootSearch& search, bool withRest) {
    std::vector<std::string> factors;
    if (search.zeroMultiplicity > 0) {
        factors.push_back(search.zeroMultiplicity == 1 ? "X" : "X^" + formatInteger(search.zeroMultiplicity));
    }
    for (const RationalRoot& root : search.roots) {
        std::string factor = binomialText(root.value);
        if (root.multiplicity > 1) factor += "^" + formatInteger(root.multiplicity);
        factors.push_back(std::move(factor));
    }
    if (withRest && search.rest.size() > 1) factors.push_back("(" + naturalTerms(asRationals(search.rest)) + ")");
    std::string text;
    for (const std::string& factor : factors) text += (text.empty() ? "" : " ") + factor;
    return text;
}

// --- The steps of choice 5 ---------------------------------------------------------

constexpr const char* Title =
    "\n\n\n\n             ****************************************************\n"
    "             ***  Racines rationnelles et factorisation de P  ***\n"
    "             ****************************************************";

void printNotice(const std::string& step) {
    std::cout << "\n\n\n\n  ATTENTION :  Cette étape demanderait trop de calcul et n'est pas faite :\n  " << step
              << ".\n  Les racines montrées peuvent donc être incomplètes.";
}

std::string powerOfX(std::uint32_t m) { return m == 1 ? "X" : "X^" + formatInteger(m); }

// About how many characters the terms of a would take.
double termsLength(const std::vector<Integer>& a) {
    constexpr double DigitsPerBit = 0.30103;
    double length = 0.0;
    for (const Integer& c : a) length += (c.is_zero() ? 1.0 : static_cast<double>(msb(abs(c)))) * DigitsPerBit + 8.0;
    return length;
}

// A number in a sentence, unless it would fill lines of its own.
std::string numberInSentence(const Integer& n) { return msb(abs(n)) < MaxWrittenBits ? " " + n.str() : ""; }

void printTheorem(const RootSearch& search, const std::string& name) {
    const std::vector<Integer>& a = search.integerForm;
    const bool written = termsLength(a) <= MaxWrittenTerms && msb(abs(numerator(search.scale))) < MaxWrittenBits &&
                         msb(denominator(search.scale)) < MaxWrittenBits;
    const std::string terms = written ? " = " + naturalTerms(asRationals(a)) : "";
    std::string text;
    if (search.scale == 1) {
        text = name + "(X)" + terms + " est à coefficients entiers ; d'après le théorème des racines rationnelles,";
    } else {
        const std::string times =
            !written ? "" : (search.scale == -1 ? " = -" : " = " + formatRational(search.scale) + " × ") + name + "(X)";
        text = "Les racines de " + name + " sont celles de A(X)" + times + terms +
               ", à coefficients entiers ; d'après le théorème des racines rationnelles,";
    }
    text += " chaque racine rationnelle s'écrit en fraction irréductible p/q, où p divise le terme constant" +
            numberInSentence(a.front()) + " et q > 0 le coefficient dominant" + numberInSentence(a.back()) + ".";
    paragraph(text);
}

void printCandidates(const RootSearch& search) {
    if (search.method == CandidateMethod::isolation) {
        const std::string why =
            search.candidateCount == 0
                ? "Le terme constant ou le coefficient dominant est trop grand pour être décomposé en facteurs "
                  "premiers"
                : "Les candidats sont au nombre de " + search.candidateCount.str() + ", trop pour être essayés un à un";
        paragraph(why +
                  " : les racines réelles sont isolées exactement (règle des signes de Descartes), et dans chaque "
                  "intervalle seule la fraction dont le dénominateur divise le coefficient dominant est essayée.");
        return;
    }
    if (search.positiveCandidates.empty()) {
        paragraph("Les candidats sont au nombre de " + search.candidateCount.str() +
                  " : chacun est essayé, et chaque racine trouvée donne une division.");
        return;
    }
    std::vector<std::string> items;
    for (const Rational& c : search.positiveCandidates) items.push_back("±" + formatRational(c));
    paragraph("Les candidats sont " + listed(items) + ", soit " + search.candidateCount.str() +
              " valeurs. Chaque racine trouvée parmi eux donne une division.");
}

// A division of the chain, within the budget of text, or false.
bool printDivisionStep(ExactPolynomial& current, const Rational& root, bool withTable, RootBudget& budget,
                       std::uint32_t index) {
    // Each number of the identity and of the table, from its size in bits.
    double digits = 0.0;
    for (std::uint32_t k = 0; k <= current.degree; ++k) {
        const Rational& c = current.coefficients[k];
        digits += static_cast<double>(msb(abs(numerator(c)) + 1) + msb(denominator(c))) * 0.30103 + 24.0;
    }
    if (!exactDivisionFits(current, root, withTable) || !budget.spendText(digits * (withTable ? 4.0 : 2.0))) {
        printNotice("la division par " + binomialText(root));
        return false;
    }
    // The table is the record of the division's own pass.
    ExactHornerTable table;
    ExactPolynomial quotient = withTable ? quotientByBinomial(current, root, table) : quotientByBinomial(current, root);
    printDivision(current, quotient);
    if (withTable) printHornerTable(table);
    quotient.setName("Q" + formatInteger(index));
    current = std::move(quotient);
    return true;
}

void printRootsList(const RootSearch& search) {
    std::vector<RationalRoot> roots = search.roots;
    if (search.zeroMultiplicity > 0) {
        const auto after = std::find_if(roots.begin(), roots.end(), [](const RationalRoot& r) { return r.value > 0; });
        roots.insert(after, {Rational(0), search.zeroMultiplicity});
    }
    std::vector<std::string> items;
    items.reserve(roots.size());
    for (const RationalRoot& root : roots) {
        items.push_back(formatRational(root.value) + multiplicityWord(root.multiplicity));
    }
    if (items.empty()) return;
    paragraph((items.size() == 1 ? "Racine rationnelle de P : " : "Racines rationnelles de P : ") + listed(items) +
              ".");
}

// What the page's graph marks: each real root, increasing, a rational one
// exactly.
using GraphRoots = std::vector<std::string>;

// whole: F is all of P, whose lack of rational roots is already said.
// Returns F's real roots for the graph.
GraphRoots printQuadratic(const RootSearch& search, bool whole, RootBudget& budget, bool unicode) {
    const std::vector<Integer>& f = search.rest;
    const std::string delta = unicode ? "Δ" : "Delta";
    const auto factor = [](const Integer& x) { return x.sign() < 0 ? "(" + x.str() + ")" : x.str(); };
    const QuadraticRoots roots = quadraticRoots(f);
    paragraph((whole ? "Le discriminant de P : " : "Son discriminant : ") + delta + " = b² - 4ac = " + factor(f[1]) +
              "² - 4 × " + factor(f[2]) + " × " + factor(f[0]) + " = " + roots.discriminant.str() + ".");
    if (roots.roots.empty()) {
        printNotice("l'écriture de la racine carrée de " + delta);
        return {};
    }
    const std::string both = rootText(roots.roots[0], unicode) + " et " + rootText(roots.roots[1], unicode);
    const std::string subject = whole ? "P" : "il";
    if (roots.roots[0].imaginary) {
        paragraph(delta + " < 0 : " + subject + " n'a pas de racine réelle ; ses deux racines complexes sont " + both +
                  (whole ? ". P n'a donc pas de facteur réel de degré 1."
                         : ". P n'a donc pas d'autre facteur réel : la forme factorisée ci-dessus est aussi celle de "
                           "P sur les réels."));
        return {};
    }
    paragraph(delta + " > 0 : ses deux racines réelles sont " + both +
              ", d'où la forme factorisée de P sur les réels :");
    std::string text = "P(X) = " + leadingFactor(search.constant * Rational(f[2]));
    const std::string others = factorsText(search, false);
    text += others + (others.empty() ? "" : " ") + rootBinomialText(roots.roots[0], unicode) + " " +
            rootBinomialText(roots.roots[1], unicode);
    std::cout << "\n\n" << text;
    return realRoots(f, budget).graphTexts;
}

// What F leaves; returns its real roots for the graph.
GraphRoots printRest(const RootSearch& search, RootBudget& budget, bool unicode) {
    const std::size_t degree = search.rest.size() - 1;
    if (degree == 0) {
        paragraph("Toutes les racines de P sont rationnelles.");
        return {};
    }
    const bool whole = search.zeroMultiplicity == 0 && search.roots.empty();
    const std::string f = naturalTerms(asRationals(search.rest));
    if (!whole) paragraph("Le facteur " + f + " n'a pas de racine rationnelle.");
    if (degree == 2) return printQuadratic(search, whole, budget, unicode);
    RealRoots real = realRoots(search.rest, budget);
    if (!real.stoppedStep.empty()) {
        printNotice(real.stoppedStep);
        return {};
    }
    const std::string of = whole ? "de P" : "du facteur " + f;
    const std::string how = "isolée par la règle des signes de Descartes puis arrondie à six chiffres significatifs";
    if (real.texts.empty()) {
        paragraph((whole ? "P n'a" : "Ce facteur n'a") +
                  std::string(" aucune racine réelle (règle des signes de Descartes)."));
    } else if (real.texts.size() == 1) {
        paragraph("La seule racine réelle " + of + ", " + how + ", est " + real.texts[0] + ".");
    } else {
        paragraph("Les " + formatInteger(static_cast<std::int64_t>(real.texts.size())) + " racines réelles " + of +
                  ", isolées par la règle des signes de Descartes puis arrondies à six chiffres significatifs, sont, "
                  "dans l'ordre croissant : " +
                  listed(real.texts) + ".");
    }
    return std::move(real.graphTexts);
}

// P's real roots for the graph: the rational ones and F's, increasing.
GraphRoots graphRoots(const RootSearch& search, const GraphRoots& others) {
    std::vector<std::pair<double, std::string>> roots;
    if (search.zeroMultiplicity > 0) roots.emplace_back(0.0, "0");
    for (const RationalRoot& root : search.roots) {
        roots.emplace_back(root.value.convert_to<double>(), formatRational(root.value));
    }
    for (const std::string& text : others) roots.emplace_back(std::strtod(text.c_str(), nullptr), text);
    std::stable_sort(roots.begin(), roots.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    GraphRoots texts;
    for (auto& root : roots) texts.push_back(std::move(root.second));
    return texts;
}

}  // namespace

QuadraticRoots quadraticRoots(const std::vector<Integer>& f) {
    QuadraticRoots result;
    const Integer& a = f[2];
    const Integer& b = f[1];
    const Integer& c = f[0];
    result.discriminant = b * b - 4 * a * c;
    Integer s;
    Integer d;
    if (!splitSquare(boost::multiprecision::abs(result.discriminant), s, d)) return result;
    const bool imaginary = result.discriminant.sign() < 0;
    result.roots.push_back(quadraticRoot(b, Integer(-s), 2 * a, d, imaginary));
    result.roots.push_back(quadraticRoot(b, s, 2 * a, d, imaginary));
    return result;
}

std::string rootText(const QuadraticRoot& root, bool unicode) {
    const std::string r = radical(root.q, root.d, root.imaginary, unicode);
    const std::string sign = root.q.sign() < 0 ? "-" : "";
    if (root.p.is_zero()) return sign + r + (root.r == 1 ? "" : "/" + root.r.str());
    const std::string sum = root.p.str() + (root.q.sign() < 0 ? " - " : " + ") + r;
    return root.r == 1 ? sum : "(" + sum + ")/" + root.r.str();
}

std::string rootBinomialText(const QuadraticRoot& root, bool unicode) {
    if (root.r != 1 && !root.p.is_zero()) return "(X - " + rootText(root, unicode) + ")";
    // X - (p + q√d)/r: -p as a term, then the radical with the opposite sign.
    std::string text = "(X";
    if (!root.p.is_zero()) appendSignedTerm(text, Rational(-root.p), 0, false);
    text += root.q.sign() < 0 ? " + " : " - ";
    text += radical(root.q, root.d, root.imaginary, unicode);
    if (root.r != 1) text += "/" + root.r.str();
    return text + ")";
}

std::string factoredFormText(const RootSearch& search, const std::string& name) {
    // F alone needs no parentheses.
    if (search.constant == 1 && search.zeroMultiplicity == 0 && search.roots.empty()) {
        return name + "(X) = " + naturalTerms(asRationals(search.rest));
    }
    return name + "(X) = " + leadingFactor(search.constant) + factorsText(search, true);
}

std::vector<std::string> printRootSearch(const ExactPolynomial& p, bool withTable, bool unicode) {
    std::vector<Rational> coefficients(p.coefficients.begin(),
                                       p.coefficients.begin() + std::min(p.degree, MaxTerms - 1) + 1);
    while (coefficients.size() > 1 && coefficients.back().is_zero()) coefficients.pop_back();
    std::cout << Title;
    if (coefficients.size() == 1) {
        paragraph(coefficients[0].is_zero() ? "P est le polynôme nul : tout nombre en est une racine."
                                            : "P est un polynôme constant non nul : il n'a aucune racine.");
        return {};
    }
    RootBudget budget;
    RootSearch search = searchRationalRoots(coefficients, budget);
    // A root the learner has just shown with µ is divided first, as the
    // exercise goes on from there: any order of the divisions leads to the
    // same factors.
    const auto shown = std::find(search.divisions.begin(), search.divisions.end(), p.mu);
    if (shown != search.divisions.end()) std::rotate(search.divisions.begin(), shown, shown + 1);
    if (search.integerForm.empty()) {
        printNotice(search.stoppedStep);
        return {};
    }
    ExactPolynomial current;
    current.degree = static_cast<std::uint32_t>(coefficients.size() - 1 - search.zeroMultiplicity);
    std::copy(coefficients.begin() + search.zeroMultiplicity, coefficients.end(), current.coefficients.begin());
    std::string name = "P";
    std::uint32_t index = 1;
    if (search.zeroMultiplicity > 0) {
        name = "Q1";
        index = 2;
        current.setName(name);
        paragraph("Le terme constant de P est nul : 0 est une racine de P, et " + powerOfX(search.zeroMultiplicity) +
                  " se met en facteur devant le quotient Q1 :");
        std::cout << "\n\n P(X) = " << powerOfX(search.zeroMultiplicity) << ".(";
        if (current.degree == 0) {
            std::cout << formatRational(current.coefficients[0]);
        } else {
            writeTerms(current);
        }
        std::cout << ")";
    }
    if (current.degree == 1) {
        const Rational root = -current.coefficients[0] / current.coefficients[1];
        paragraph(name + " est de degré 1 : sa racine est " + formatRational(root) + ".");
    } else if (current.degree >= 2) {
        printTheorem(search, name);
        printCandidates(search);
        for (const Rational& root : search.divisions) {
            if (!printDivisionStep(current, root, withTable, budget, index++)) return graphRoots(search, {});
        }
        if (!search.stoppedStep.empty()) {
            printNotice(search.stoppedStep);
            return graphRoots(search, {});
        }
        if (search.divisions.empty()) {
            paragraph("Aucun candidat n'est racine de " + name + " : " + name + " n'a pas de racine rationnelle.");
        } else if (search.rest.size() > 1) {
            paragraph("Aucun autre candidat n'est racine de " + current.name + ".");
        }
    }
    paragraph("La forme factorisée de P(X) :");
    std::cout << "\n\n" << factoredFormText(search, "P");
    printRootsList(search);
    const GraphRoots others = printRest(search, budget, unicode);
    std::cout << '\n';
    return graphRoots(search, others);
}

}  // namespace tessarivand

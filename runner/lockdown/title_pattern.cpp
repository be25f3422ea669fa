#include "runner/lockdown/title_pattern.h"

#include <cctype>
#include <vector>

namespace {

enum class TokenKind { Star, AnyChar, Digit, CharSet, Literal };

struct Token {
    TokenKind Kind = TokenKind::Literal;
    char Literal = 0;
    std::string Set;  // expanded characters of a bracketed list
    bool Negated = false;
};

// Reads "[...]" starting at pattern[at] == '['; false when it is not closed.
bool ReadCharSet(const std::string& pattern, std::size_t& at, Token& token) {
    std::size_t i = at + 1;
    token.Kind = TokenKind::CharSet;
    if (i < pattern.size() && pattern[i] == '!') {
        token.Negated = true;
        ++i;
    }
    for (; i < pattern.size() && pattern[i] != ']'; ++i) {
        const unsigned char low = static_cast<unsigned char>(pattern[i]);
        if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
            const unsigned char high = static_cast<unsigned char>(pattern[i + 2]);
            for (unsigned c = low; c <= high; ++c) token.Set.push_back(static_cast<char>(c));
            i += 2;
        } else {
            token.Set.push_back(static_cast<char>(low));
        }
    }
    if (i >= pattern.size()) return false;
    at = i;
    return true;
}

std::vector<Token> Tokenize(const std::string& pattern) {
    std::vector<Token> tokens;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        Token token;
        switch (pattern[at]) {
        case '*': token.Kind = TokenKind::Star; break;
        case '?': token.Kind = TokenKind::AnyChar; break;
        case '#': token.Kind = TokenKind::Digit; break;
        case '[':
            if (!ReadCharSet(pattern, at, token)) {
                token = Token();
                token.Literal = '[';
            }
            break;
        default: token.Literal = pattern[at];
        }
        tokens.push_back(token);
    }
    return tokens;
}

bool MatchesOne(const Token& token, char c) {
    switch (token.Kind) {
    case TokenKind::AnyChar: return true;
    case TokenKind::Digit: return std::isdigit(static_cast<unsigned char>(c)) != 0;
    case TokenKind::CharSet: return (token.Set.find(c) != std::string::npos) != token.Negated;
    case TokenKind::Literal: return token.Literal == c;
    case TokenKind::Star: break;
    }
    return false;
}

}  // namespace

bool TitleMatchesPattern(const std::string& title, const std::string& pattern) {
    const std::vector<Token> tokens = Tokenize(pattern);
    // Greedy match with back-tracking to the last star: linear in practice.
    std::size_t t = 0, p = 0;
    std::size_t starToken = std::string::npos, starTitle = 0;
    while (t < title.size()) {
        if (p < tokens.size() && tokens[p].Kind == TokenKind::Star) {
            starToken = p++;
            starTitle = t;
        } else if (p < tokens.size() && MatchesOne(tokens[p], title[t])) {
            ++p;
            ++t;
        } else if (starToken != std::string::npos) {
            p = starToken + 1;
            t = ++starTitle;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].Kind == TokenKind::Star) ++p;
    return p == tokens.size();
}

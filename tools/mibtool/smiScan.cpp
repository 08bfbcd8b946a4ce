// The SMI scan: a tokenizer of ASN.1 module text (comments, quoted strings, words, "..",
// "::=" and punctuation) and a walk over its tokens for module headers, imports and OBJECT-TYPE
// SYNTAX clauses.
#include "smiScan.h"

#include <cctype>

namespace mibtool {

namespace {

struct Token {
    std::string text;
    int line;
    bool quoted;
};

bool wordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
}

std::vector<Token> tokenize(const std::string &s)
{
    std::vector<Token> out;
    size_t i = 0, n = s.size();
    int line = 1;
    while (i < n) {
        char c = s[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '-' && i + 1 < n && s[i + 1] == '-') {
            // A comment runs to the end of the line, as net-snmp reads it by default.
            while (i < n && s[i] != '\n') {
                ++i;
            }
        } else if (c == '"') {
            size_t start = ++i;
            int startLine = line;
            while (i < n && s[i] != '"') {
                line += s[i] == '\n';
                ++i;
            }
            out.push_back({s.substr(start, i - start), startLine, true});
            if (i < n) {
                ++i;
            }
        } else if (c == '\'') {
            // '0A'H and '0101'B values.
            size_t start = i++;
            while (i < n && s[i] != '\'' && s[i] != '\n') {
                ++i;
            }
            if (i < n && s[i] == '\'') {
                ++i;
                if (i < n && std::isalpha(static_cast<unsigned char>(s[i]))) {
                    ++i;
                }
            }
            out.push_back({s.substr(start, i - start), line, false});
        } else if (c == ':' && s.compare(i, 3, "::=") == 0) {
            out.push_back({"::=", line, false});
            i += 3;
        } else if (c == '.' && i + 1 < n && s[i + 1] == '.') {
            out.push_back({"..", line, false});
            i += 2;
        } else if (wordChar(c)) {
            size_t start = i;
            while (i < n && wordChar(s[i]) && !(s[i] == '-' && i + 1 < n && s[i + 1] == '-')) {
                ++i;
            }
            out.push_back({s.substr(start, i - start), line, false});
        } else {
            out.push_back({std::string(1, c), line, false});
            ++i;
        }
    }
    return out;
}

bool is(const std::vector<Token> &t, size_t i, const char *text)
{
    return i < t.size() && !t[i].quoted && t[i].text == text;
}

// The constraint as written, with its blanks made regular: "(SIZE (0..255))".
std::string joinConstraint(const std::vector<Token> &t, size_t &i)
{
    std::string out;
    int depth = 0;
    std::string previous;
    for (; i < t.size(); ++i) {
        const std::string &w = t[i].text;
        if (!out.empty() && previous != "(" && w != ")" && previous != ".." && w != "..") {
            out.push_back(' ');
        }
        out += t[i].quoted ? "\"" + w + "\"" : w;
        previous = w;
        if (w == "(") {
            ++depth;
        } else if (w == ")" && --depth == 0) {
            ++i;
            break;
        }
    }
    return out;
}

void skipBraces(const std::vector<Token> &t, size_t &i)
{
    int depth = 0;
    for (; i < t.size(); ++i) {
        if (is(t, i, "{")) {
            ++depth;
        } else if (is(t, i, "}") && --depth == 0) {
            ++i;
            return;
        }
    }
}

bool lowerStart(const std::string &w)
{
    return !w.empty() && std::islower(static_cast<unsigned char>(w[0]));
}

Syntax readSyntax(const std::vector<Token> &t, size_t i)
{
    Syntax s;
    if (is(t, i, "SEQUENCE") && is(t, i + 1, "OF") && i + 2 < t.size()) {
        s.type = "SEQUENCE OF " + t[i + 2].text;
        return s;
    }
    if ((is(t, i, "OCTET") && is(t, i + 1, "STRING")) || (is(t, i, "OBJECT") && is(t, i + 1, "IDENTIFIER"))) {
        s.type = t[i].text + " " + t[i + 1].text;
        i += 2;
    } else if (i < t.size()) {
        s.type = t[i].text;
        ++i;
    }
    if (is(t, i, "{")) {
        skipBraces(t, i);
    }
    if (is(t, i, "(")) {
        s.constraint = joinConstraint(t, i);
    }
    return s;
}

} // namespace

std::vector<ScannedModule> scanText(const std::string &text)
{
    std::vector<Token> t = tokenize(text);
    std::vector<ScannedModule> modules;
    for (size_t i = 0; i < t.size(); ++i) {
        if (i + 1 < t.size() && is(t, i + 1, "DEFINITIONS") && !t[i].quoted) {
            ScannedModule m;
            m.header.name = t[i].text;
            m.header.line = t[i].line;
            modules.push_back(m);
            continue;
        }
        if (modules.empty()) {
            continue;
        }
        ScannedModule &m = modules.back();
        if (is(t, i, "IMPORTS")) {
            for (++i; i < t.size() && !is(t, i, ";"); ++i) {
                if (is(t, i, "FROM") && i + 1 < t.size()) {
                    m.header.imports.push_back(t[++i].text);
                }
            }
            continue;
        }
        // "descriptor KEYWORD ..." or "descriptor OBJECT IDENTIFIER ::=": a definition. MACRO
        // definitions ("OBJECT-TYPE MACRO ::=") start with an upper-case word and are passed over.
        if (!t[i].quoted && lowerStart(t[i].text) && i + 1 < t.size() && !t[i + 1].quoted &&
            std::isupper(static_cast<unsigned char>(t[i + 1].text[0])) && (i == 0 || !is(t, i - 1, "FROM")) &&
            !is(t, i - 1, ",")) {
            const std::string &keyword = t[i + 1].text;
            bool definition = keyword == "OBJECT-TYPE" || keyword == "OBJECT-IDENTITY" ||
                              keyword == "MODULE-IDENTITY" || keyword == "NOTIFICATION-TYPE" ||
                              keyword == "TRAP-TYPE" || keyword == "OBJECT-GROUP" ||
                              keyword == "NOTIFICATION-GROUP" || keyword == "MODULE-COMPLIANCE" ||
                              keyword == "AGENT-CAPABILITIES" ||
                              (keyword == "OBJECT" && is(t, i + 2, "IDENTIFIER") && is(t, i + 3, "::="));
            if (!definition) {
                continue;
            }
            m.definitions.emplace(t[i].text, t[i].line);
            bool wantSyntax = keyword == "OBJECT-TYPE", wantDescription = true;
            for (size_t k = i + 2; k < t.size() && !is(t, k, "::=") && (wantSyntax || wantDescription); ++k) {
                if (wantSyntax && is(t, k, "SYNTAX")) {
                    m.syntax[t[i].text] = readSyntax(t, k + 1);
                    wantSyntax = false;
                } else if (wantDescription && is(t, k, "DESCRIPTION") && k + 1 < t.size() && t[k + 1].quoted) {
                    // The first one is the definition's own (revisions and groups follow it).
                    m.descriptions[t[i].text] = t[k + 1].text;
                    wantDescription = false;
                }
            }
        }
    }
    return modules;
}

bool looksLikeModule(const std::string &text)
{
    std::vector<Token> t = tokenize(text.substr(0, 4096));
    return t.size() >= 2 && !t[0].quoted && std::isupper(static_cast<unsigned char>(t[0].text[0])) &&
           is(t, 1, "DEFINITIONS");
}

} // namespace mibtool

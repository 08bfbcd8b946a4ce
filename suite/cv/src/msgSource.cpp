// gencat source reader.
#include "cvMsgSource.h"

#include <cctype>
#include <cstdlib>

namespace cv {
namespace {

struct Parser {
    const std::string &src;
    size_t pos = 0;
    int line = 1;
    std::string *error;

    bool fail(const std::string &what)
    {
        if (error != nullptr) {
            *error = "line " + std::to_string(line) + ": " + what;
        }
        return false;
    }
    bool atEnd() const { return pos >= src.size(); }
    char peek() const { return atEnd() ? '\n' : src[pos]; }

    // The rest of a directive or comment line, without the newline.
    std::string restOfLine()
    {
        size_t end = src.find('\n', pos);
        if (end == std::string::npos) {
            end = src.size();
        }
        std::string rest = src.substr(pos, end - pos);
        pos = end < src.size() ? end + 1 : end;
        line++;
        return rest;
    }

    // Message text up to the end of the line (or the closing quote), with escapes resolved.
    bool text(char quote, std::string &out)
    {
        bool quoted = quote != '\0' && peek() == quote;
        if (quoted) {
            pos++;
        }
        while (!atEnd()) {
            char c = src[pos++];
            if (c == '\n') {
                if (quoted) {
                    return fail("unterminated quoted text");
                }
                line++;
                return true;
            }
            if (quoted && c == quote) {
                // Anything after the closing quote up to the newline is ignored.
                restOfLine();
                return true;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atEnd()) {
                return true;
            }
            char e = src[pos++];
            switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'v': out += '\v'; break;
            case 'b': out += '\b'; break;
            case 'r': out += '\r'; break;
            case 'f': out += '\f'; break;
            case '\\': out += '\\'; break;
            case '\n': line++; break; // continuation line
            default:
                if (e >= '0' && e <= '7') {
                    int value = e - '0';
                    for (int i = 0; i < 2 && peek() >= '0' && peek() <= '7'; i++) {
                        value = value * 8 + (src[pos++] - '0');
                    }
                    out += static_cast<char>(value);
                } else {
                    out += e; // \" and the like stand for the character itself
                }
            }
        }
        if (quoted) {
            return fail("unterminated quoted text");
        }
        return true;
    }
};

bool parseNumber(const std::string &s, size_t &i, int &value)
{
    size_t start = i;
    long v = 0;
    while (i < s.size() && isdigit(static_cast<unsigned char>(s[i]))) {
        v = v * 10 + (s[i] - '0');
        if (v > 0x7fffffff) {
            return false;
        }
        i++;
    }
    value = static_cast<int>(v);
    return i > start;
}

} // namespace

bool parseMsgSource(const std::string &source, MsgTable &messages, std::string *error)
{
    Parser p{source, 0, 1, error};
    int set = 1; // NL_SETD
    char quote = '\0';
    while (!p.atEnd()) {
        char c = p.peek();
        if (c == '$') {
            std::string directive = p.restOfLine();
            size_t i = 1;
            size_t wordEnd = directive.find_first_of(" \t", 1);
            std::string word = directive.substr(1, wordEnd == std::string::npos ? std::string::npos : wordEnd - 1);
            if (word.empty()) {
                continue; // a comment
            }
            i = wordEnd == std::string::npos ? directive.size() : wordEnd;
            while (i < directive.size() && (directive[i] == ' ' || directive[i] == '\t')) {
                i++;
            }
            if (word == "set" || word == "delset") {
                int n = 0;
                if (!parseNumber(directive, i, n) || n < 1) {
                    p.line--;
                    return p.fail("$" + word + " needs a set number of 1 or more");
                }
                if (word == "set") {
                    set = n;
                } else {
                    for (auto it = messages.begin(); it != messages.end();) {
                        it = it->first.first == n ? messages.erase(it) : std::next(it);
                    }
                }
            } else if (word == "quote") {
                quote = i < directive.size() ? directive[i] : '\0';
            }
            // Other directives (such as the "$ comment" form with text) are comments.
            continue;
        }
        if (c == '\n') {
            p.pos++;
            p.line++;
            continue;
        }
        if (!isdigit(static_cast<unsigned char>(c))) {
            return p.fail("expected a message number or a $ directive");
        }
        int number = 0;
        if (!parseNumber(source, p.pos, number) || number < 1) {
            return p.fail("message numbers start at 1");
        }
        if (messages.count({set, number}) != 0) {
            return p.fail("message " + std::to_string(number) + " defined twice");
        }
        char sep = p.peek();
        std::string text;
        if (sep == '\n') {
            p.restOfLine(); // a number alone is an empty message
        } else if (sep != ' ' && sep != '\t') {
            return p.fail("expected a blank after the message number");
        } else {
            p.pos++;
            if (!p.text(quote, text)) {
                return false;
            }
        }
        messages[{set, number}] = text;
    }
    return true;
}

} // namespace cv

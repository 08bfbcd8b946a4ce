// The expression library: named formulas read from a small text file.
#include "cvutil.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>
#include "cv.h"

namespace {

char *copy(const char *text)
{
    const char *t = text != nullptr ? text : "";
    size_t n = std::strlen(t) + 1;
    char *out = static_cast<char *>(std::malloc(n));
    if (out != nullptr) {
        std::memcpy(out, t, n);
    }
    return out;
}

std::string trimmed(const std::string &s)
{
    size_t begin = s.find_first_not_of(" \t\r");
    if (begin == std::string::npos) {
        return "";
    }
    size_t end = s.find_last_not_of(" \t\r");
    return s.substr(begin, end - begin + 1);
}

struct Parsed {
    std::string name, equation, description;
    bool hasEquation = false;
    int line = 0;
};

} // namespace

Expression::Expression(const char *name, const char *equation, const char *description)
    : name_(copy(name)), equation_(copy(equation)), description_(copy(description))
{
}

Expression::~Expression()
{
    std::free(name_);
    std::free(equation_);
    std::free(description_);
}

const char *Expression::getName() const
{
    return name_ != nullptr ? name_ : "";
}

const char *Expression::getEquation() const
{
    return equation_ != nullptr ? equation_ : "";
}

const char *Expression::getDescription() const
{
    return description_ != nullptr ? description_ : "";
}

struct ExpressionList::Impl {
    std::vector<Expression *> items;
    std::string error;
    bool loaded = false;
    // Expressions of an earlier reading: callers may still hold them.
    std::vector<Expression *> retired;

    ~Impl()
    {
        for (Expression *e : items) {
            delete e;
        }
        for (Expression *e : retired) {
            delete e;
        }
    }
};

ExpressionList::ExpressionList() : impl_(new Impl) {}

ExpressionList::~ExpressionList()
{
    delete impl_;
}

const char *ExpressionList::defaultFile()
{
    static std::string file;
    const char *env = std::getenv("CVEXPRFILE");
    if (env != nullptr && *env != '\0') {
        file = env;
    } else {
        file = _CVsharedDataFile("expressions.txt");
#ifndef _WIN32
        struct stat st;
        if (stat(file.c_str(), &st) != 0) {
            file = CVUTIL_INSTALLED_EXPRESSIONS;
        }
#endif
    }
    return file.c_str();
}

int ExpressionList::read(const char *path)
{
    impl_->loaded = true;
    std::ifstream in(path != nullptr ? path : "", std::ios::binary);
    if (!in) {
        impl_->error = std::string(path != nullptr ? path : "(null)") + ": " + std::strerror(errno);
        return -1;
    }
    std::vector<Parsed> parsed;
    std::string line;
    int number = 0;
    auto fail = [&](const std::string &what) {
        impl_->error = std::string(path) + ":" + std::to_string(number) + ": " + what;
        return -1;
    };
    auto finish = [&]() -> bool {
        return parsed.empty() || parsed.back().hasEquation;
    };
    while (std::getline(in, line)) {
        ++number;
        // Names and equations are handed out as C strings: a NUL byte would cut them short.
        if (line.find('\0') != std::string::npos) {
            return fail("a NUL byte in the line");
        }
        std::string text = trimmed(line);
        if (text.empty() || text[0] == '#') {
            continue;
        }
        size_t blank = text.find_first_of(" \t");
        std::string keyword = text.substr(0, blank);
        std::string rest = blank == std::string::npos ? "" : trimmed(text.substr(blank));
        if (keyword == "expression") {
            if (!finish()) {
                number = parsed.back().line;
                return fail("expression " + parsed.back().name + " has no equation");
            }
            if (rest.empty() || rest.find_first_of(" \t") != std::string::npos) {
                return fail("an expression's name is one word");
            }
            for (const Parsed &p : parsed) {
                if (p.name == rest) {
                    return fail("expression " + rest + " is defined twice (first on line " +
                                std::to_string(p.line) + ")");
                }
            }
            parsed.emplace_back();
            parsed.back().name = rest;
            parsed.back().line = number;
        } else if (keyword == "equation" || keyword == "description") {
            if (parsed.empty()) {
                return fail("\"" + keyword + "\" before the first \"expression\"");
            }
            Parsed &p = parsed.back();
            if (keyword == "equation") {
                if (p.hasEquation) {
                    return fail("expression " + p.name + " has a second equation");
                }
                if (rest.empty()) {
                    return fail("empty equation");
                }
                p.equation = rest;
                p.hasEquation = true;
            } else {
                p.description += (p.description.empty() ? "" : "\n") + rest;
            }
        } else {
            return fail("unknown statement \"" + keyword + "\"");
        }
    }
    if (!finish()) {
        number = parsed.back().line;
        return fail("expression " + parsed.back().name + " has no equation");
    }
    impl_->retired.insert(impl_->retired.end(), impl_->items.begin(), impl_->items.end());
    impl_->items.clear();
    for (const Parsed &p : parsed) {
        impl_->items.push_back(new Expression(p.name.c_str(), p.equation.c_str(), p.description.c_str()));
    }
    impl_->error.clear();
    return 0;
}

void ExpressionList::load() const
{
    if (!impl_->loaded) {
        const_cast<ExpressionList *>(this)->read(defaultFile());
    }
}

Expression *ExpressionList::find(const char *name) const
{
    load();
    for (Expression *e : impl_->items) {
        if (name != nullptr && std::strcmp(e->getName(), name) == 0) {
            return e;
        }
    }
    return nullptr;
}

int ExpressionList::count() const
{
    load();
    return static_cast<int>(impl_->items.size());
}

Expression *ExpressionList::at(int index) const
{
    load();
    return index >= 0 && index < static_cast<int>(impl_->items.size()) ? impl_->items[index] : nullptr;
}

const char *ExpressionList::lastError() const
{
    return impl_->error.c_str();
}

ExpressionListIterator::ExpressionListIterator(const ExpressionList &list) : list_(&list), next_(0) {}

ExpressionListIterator::ExpressionListIterator(const ExpressionList *list) : list_(list), next_(0) {}

Expression *ExpressionListIterator::operator()()
{
    if (list_ == nullptr) {
        return nullptr;
    }
    Expression *e = list_->at(next_);
    if (e != nullptr) {
        ++next_;
    }
    return e;
}

void ExpressionListIterator::reset()
{
    next_ = 0;
}

namespace {
ExpressionList processList;
}

ExpressionList *expressionListPtr = &processList;

int nameToExpression(const char *name, Expression **result)
{
    Expression *e = name != nullptr ? expressionListPtr->find(name) : nullptr;
    if (result != nullptr) {
        *result = e;
    }
    return e != nullptr ? 0 : -1;
}

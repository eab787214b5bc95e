// How a line of the session language is cut into words, and how a command reads its
// arguments from them: left to right, each checked, a mistake named with the command's
// usage.
#pragma once

#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "host/host_abi.h"

namespace simhost {

std::string Lower(std::string text);

// Words separated by blanks; a word in double quotes may hold blanks; "#" ends the line.
std::vector<std::string> Tokens(const std::string &line);

// A word the user may write, and what it stands for.
template <class T>
struct WordFor {
    const char *word;
    T value;
};

// The arguments of one command, read left to right with checks.
class Args {
public:
    Args(std::vector<std::string> tokens, std::string usage) : tokens_(std::move(tokens)), usage_(std::move(usage)) {}

    bool AtEnd() const { return next_ == tokens_.size(); }
    const std::string &Peek() const { return tokens_[next_]; }

    std::string Word(const char *what);
    // A number written as a person writes one, that a float holds; out of [low, high]
    // (by default all a float holds) it is out of range, and the range is said.
    float Float(const char *what, float low = std::numeric_limits<float>::lowest(),
                float high = std::numeric_limits<float>::max());
    MQPoint Point(const char *what);
    int Int(const char *what, long long low, long long high);

    // One of the given words, in any case: what it stands for. Each choice names its own
    // value, so a list in another order means the same.
    template <class T>
    T OneOf(const char *what, std::initializer_list<WordFor<T>> choices) {
        const std::string word = Lower(Word(what));
        for (const WordFor<T> &choice : choices) {
            if (word == choice.word) return choice.value;
        }
        std::vector<const char *> words;
        for (const WordFor<T> &choice : choices) words.push_back(choice.word);
        NotOneOf(what, words, word);
    }
    // The one word that must come next, in any case.
    void Keyword(const char *what, const char *word);

    // Takes the word if it comes next.
    bool Optional(const char *word);

    void End();

    [[noreturn]] void Fail(const std::string &what) const;

private:
    [[noreturn]] void NotOneOf(const char *what, const std::vector<const char *> &words, const std::string &word) const;

    std::vector<std::string> tokens_;
    std::string usage_;
    size_t next_ = 0;
};

}  // namespace simhost

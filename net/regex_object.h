#pragma once
// Runs a regular expression over a code page 936 subject and hands out the matches.
// Matching is by character: "." matches everything but line feed, "*" is greedy,
// global matching never overlaps, and letter case is ignored unless asked otherwise.
#include <memory>
#include <optional>
#include <string>

namespace lumbra {

class RegexObject {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject& other);
    RegexObject& operator=(const RegexObject& other);

    // False when the pattern is rejected; true otherwise, also when nothing matched.
    bool Run(const std::string& pattern, const std::string& subject,
             std::optional<int> caseSensitive = std::nullopt,
             std::optional<int> multiline = std::nullopt,
             std::optional<int> global = std::nullopt);
    std::string GetPattern() const;
    std::string ReplaceAll(const std::string& replacement) const;
    int MatchCount() const;
    // Matches and sub-matches count from 1; position, when wanted, receives the 0-based byte
    // offset of the text in the subject.
    std::string MatchText(int index, int* position = nullptr) const;
    std::string SubmatchText(int matchIndex, int submatchIndex, int* position = nullptr) const;
    int SubmatchCount() const;

private:
    struct State;
    std::shared_ptr<const State> state_;  // the compiled expression and its matches, shared by copies
    std::string subject_;
};

}  // namespace lumbra

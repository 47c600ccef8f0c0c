#pragma once

#include "core/prompter.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvar {

// Answers dialogs and boxes from queues filled in advance and keeps a line
// for every question asked. A question with no answer waiting is recorded
// and treated as cancelled.
class ScriptedPrompter : public Prompter {
public:
    void queueFile(std::optional<std::string> answer) { files_.push_back(std::move(answer)); }
    void queueConfirm(bool ok) { confirms_.push_back(ok); }
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    // Hears the text of every OK/Cancel or Yes/No/Cancel box answered.
    void onAnswered(std::function<void(const std::string& text)> heard) { answered_ = std::move(heard); }

    bool confirm(const std::string& title, const std::string& text) override;
    Answer ask(const std::string& title, const std::string& text) override;
    std::optional<std::string> chooseFile(const FileDialog& dialog) override;
    void showError(const std::string& message) override;

    // What was asked without an answer waiting, e.g. "New Map" or "dlgLoad".
    const std::optional<std::string>& unanswered() const { return unanswered_; }
    // Every question in order, e.g. "New Map: This will clear the current
    // map." or "dlgSave: save Battlezone Height Files|*.hgt, default hgt".
    const std::vector<std::string>& asked() const { return asked_; }
    const std::vector<std::string>& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }

private:
    std::deque<std::optional<std::string>> files_;
    std::deque<bool> confirms_;
    std::deque<Answer> answers_;
    std::optional<std::string> unanswered_;
    std::function<void(const std::string&)> answered_;
    std::vector<std::string> asked_;
    std::vector<std::string> errors_;
};

} // namespace tolvar

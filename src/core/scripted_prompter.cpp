#include "core/scripted_prompter.h"

namespace tolvar {

namespace {

// The answer waiting first, or a cancelled box when none is.
template <typename T> T takeAnswer(std::deque<T>& answers, T cancelled, std::optional<std::string>& unanswered,
                                   const std::string& title)
{
    if (answers.empty()) {
        unanswered = "the box \"" + title + "\"";
        return cancelled;
    }
    const T answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

bool ScriptedPrompter::confirm(const std::string& title, const std::string& text)
{
    asked_.push_back(title + ": " + text);
    if (!confirms_.empty() && answered_)
        answered_(text);
    return takeAnswer(confirms_, false, unanswered_, title);
}

Answer ScriptedPrompter::ask(const std::string& title, const std::string& text)
{
    asked_.push_back(title + ": " + text);
    if (!answers_.empty() && answered_)
        answered_(text);
    return takeAnswer(answers_, Answer::Cancel, unanswered_, title);
}

std::optional<std::string> ScriptedPrompter::chooseFile(const FileDialog& dialog)
{
    std::string question = std::string(dialog.name) + (dialog.save ? ": save " : ": open ") +
                           std::string(dialog.filterName) + "|" + std::string(dialog.filterPattern) + ", default " +
                           std::string(dialog.defaultExtension);
    if (!dialog.otherFilterName.empty())
        question += "; or " + std::string(dialog.otherFilterName) + "|*." + std::string(dialog.otherExtension);
    asked_.push_back(question);
    if (files_.empty()) {
        unanswered_ = "the file dialog " + std::string(dialog.name);
        return std::nullopt;
    }
    auto answer = std::move(files_.front());
    files_.pop_front();
    return answer;
}

void ScriptedPrompter::showError(const std::string& message) { errors_.push_back(message); }

} // namespace tolvar

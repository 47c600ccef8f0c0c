#include "core/scripted_prompter.h"

namespace tolvar {

bool ScriptedPrompter::confirm(const std::string& title, const std::string& text)
{
    asked_.push_back(title + ": " + text);
    if (confirms_.empty()) {
        unanswered_ = "the box \"" + title + "\"";
        return false;
    }
    const bool ok = confirms_.front();
    confirms_.pop_front();
    return ok;
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

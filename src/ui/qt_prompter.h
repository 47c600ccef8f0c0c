#pragma once

#include "core/prompter.h"

class QWidget;

namespace tolvar {

// Questions and messages as the desktop's own dialogs.
class QtPrompter : public Prompter {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    bool confirm(const std::string& title, const std::string& text) override;
    Answer ask(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> chooseFile(const FileDialog& dialog) override;
    void showError(const std::string& message) override;
    void showDocument(const std::string& path) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace tolvar

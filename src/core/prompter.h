#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvar {

struct FileDialog {
    std::string_view name; // the dialog's name, e.g. "dlgLoad"
    std::string_view defaultExtension;
    std::string_view filterName;
    std::string_view filterPattern;
    bool save = false;
    // A second filter the user may pick instead, with its own extension.
    std::string_view otherExtension = {};
    std::string_view otherFilterName = {};
};

enum class Answer { Yes, No, Cancel };

// Every question and message box goes through here, so that tests and the
// batch driver can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;

    // An OK/Cancel box; true for OK.
    virtual bool confirm(const std::string& title, const std::string& text) = 0;
    // A Yes/No/Cancel box.
    virtual Answer ask(const std::string& title, const std::string& text) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // The chosen file name, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialog& dialog) = 0;
    virtual void showError(const std::string& message) = 0;
    // Opens a document, such as the tutorial, in the desktop's viewer for it.
    virtual void showDocument(const std::string& path) = 0;
};

} // namespace tolvar

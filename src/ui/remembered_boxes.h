#pragma once

#include <QString>
#include <initializer_list>
#include <vector>

class QWidget;

namespace tolvar {

class AppSettings;

// Boxes whose values last from one run to the next: filled from the settings
// as the windows open, noted when the program ends.
class RememberedBoxes {
public:
    explicit RememberedBoxes(AppSettings& settings) : settings_(settings) {}

    // Fills these boxes of the window with their remembered values, as if
    // typed and confirmed; a box with none keeps its designed text.
    void add(QWidget& window, std::initializer_list<const char*> names);
    void note() const;

private:
    struct Remembered {
        QString key;
        QWidget* box;
    };

    AppSettings& settings_;
    std::vector<Remembered> boxes_;
};

} // namespace tolvar

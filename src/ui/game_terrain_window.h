#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace tolvar {

class AppSettings;

// "Game Terrain": the sun and the material painting that Save Game Terrain
// and the 3D View's game layers use. What is typed goes straight into the
// shared box texts and into the settings store.
class TfrmGameTerrain : public QWidget {
    Q_OBJECT

public:
    explicit TfrmGameTerrain(AppSettings& settings, QWidget* parent = nullptr);

    // "ediSunAzimuth" and its text, ..., "chkRepaintMaterials" and its state.
    std::vector<std::pair<std::string, std::string>> boxTexts() const;

signals:
    void closed();
    void boxesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppSettings& settings_;
    std::vector<QLineEdit*> edits_;
    QCheckBox* repaint_;
};

} // namespace tolvar

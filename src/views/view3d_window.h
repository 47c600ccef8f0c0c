#pragma once

#include "views/view_form.h"

#include <string>

class QCheckBox;
class QSpinBox;

namespace tolvar {

class MapDocument;
class TerrainView;
class UiPort;

// "3D View": the whole map as a lit, coloured landscape that turns with the
// mouse, with a water plane at the Sea Level box's height.
class Tfrm3D : public ViewForm {
    Q_OBJECT

public:
    static constexpr int DefaultHeightScale = 4;

    // The main window's Sea Level box gives the water's height.
    Tfrm3D(const MapDocument& map, const UiPort& boxes, QWidget* parent = nullptr);

    // False on a display that offers no OpenGL.
    static bool openGLAvailable();
    // Raises the message box's Error when the display offers no OpenGL.
    static void requireOpenGL();

    void redraw() override;
    QImage viewBuffer() const override;
    // Writes the shown picture as a PNG file.
    void savePicture(const std::string& fileName) const;
    // "azimuth A elevation E distance D", degrees and metres.
    std::string cameraText() const;
    TerrainView& view() { return *view_; }

public slots:
    // Sends rows first..last of the map (counted from 1) to the graphics
    // card again, for changes made while a command still works on the map.
    void updateRows(int firstRow, int lastRow);
    // Moves the water as the Sea Level box is typed in; other text leaves it.
    void followSeaLevel(const QString& text);
    // Draws again when a game layer is shown: the Game Terrain boxes changed.
    void redrawGameLayers();
    // Draws again when a save or an open has changed the game's files.
    void followGameCompanions();

signals:
    // Double-click or the Save Picture button.
    void savePictureRequested();

private:
    const MapDocument& map_;
    const UiPort& boxes_;
    QSpinBox* heightScale_;
    QCheckBox* gameLight_;
    QCheckBox* materials_;
    QWidget* legend_;
    TerrainView* view_;
    unsigned shownCompanions_ = 0;
};

} // namespace tolvar

#pragma once

#include "core/map_document.h"
#include "views/view_form.h"

#include <string>

class QCheckBox;
class QSpinBox;

namespace tolvar {

class TerrainView;
class UiPort;

// "3D View": the whole map as a lit, coloured landscape that turns with the
// mouse, with a water plane at the Sea Level box's height. It follows the
// map's changes as the document reports them: changed cells redraw their
// rows only, at the next frame; a whole new map loads again.
class Tfrm3D : public ViewForm, private MapListener {
    Q_OBJECT

public:
    static constexpr int DefaultHeightScale = 4;

    // The main window's Sea Level box gives the water's height.
    Tfrm3D(MapDocument& map, const UiPort& boxes, QWidget* parent = nullptr);
    ~Tfrm3D() override;

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
    // Moves the water as the Sea Level box is typed in; other text leaves it.
    void followSeaLevel(const QString& text);
    // Draws again when a game layer is shown: the Game Terrain boxes changed.
    void redrawGameLayers();
    // A command ended: loads the whole map again if the command's refresh
    // did not, or if the rows it changed cannot show it as the whole does
    // (the game layers read every cell, and the colours stand on the map's
    // colour scale), or if a save or an open changed the game's files.
    void followCommandEnd();

signals:
    // Double-click or the Save Picture button.
    void savePictureRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void regionChanged(const CellRect& cells) override;
    // A whole new map waits for the command's refresh or its end: a long
    // command may still be writing it.
    void mapReplaced() override { reloadDue_ = true; }
    void sizeChanged(MapSize) override { reloadDue_ = true; }
    // Only a shown window reloads; a hidden one does when it is shown.
    void reloadIfDue();
    bool gameLayersShown() const;
    bool rowsShowAsTheWhole() const;

    MapDocument& map_;
    const UiPort& boxes_;
    QSpinBox* heightScale_;
    QCheckBox* gameLight_;
    QCheckBox* materials_;
    QWidget* legend_;
    TerrainView* view_;
    unsigned shownCompanions_ = 0;
    bool reloadDue_ = false;
    // Cells changed since the last whole load.
    bool rowsChanged_ = false;
};

} // namespace tolvar

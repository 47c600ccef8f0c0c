#pragma once

#include "views/orbit_camera.h"
#include "views/terrain_mesh.h"
#include "views/terrain_renderer.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <QTimer>
#include <optional>

namespace tolvar {

// The lit surface of the map, turned, slid and zoomed with the mouse and
// the keys as in other 3D tools.
class TerrainView : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit TerrainView(QWidget* parent = nullptr);
    ~TerrainView() override;

    // Takes the whole map; the camera goes back to its start the first time
    // and whenever the map's size changes. The grid stays the view's: the
    // rows noted later are read from it.
    void setMap(const Grid& grid, int rows, int cols, int seaLevel, float heightScale);
    // The heights of these cells changed. Their rows are rebuilt and sent to
    // the graphics card at the next paint, all noted rows at once, so that
    // many small changes between two frames cost one.
    void noteChanged(const CellRect& cells);
    // The game's light and materials for the next setMap (see TerrainMesh).
    void setGameLayers(std::vector<std::uint8_t> light, std::vector<std::uint8_t> materials)
    {
        mesh_.setGameLayers(std::move(light), std::move(materials));
    }
    void resetCamera();

    const OrbitCamera& camera() const { return camera_; }
    const TerrainMesh& mesh() const { return mesh_; }
    // True while the view turns or slides with the coarse mesh.
    bool coarse() const { return coarse_; }
    bool hasMap() const { return mesh_.rows() > 0; }

signals:
    void doubleClicked();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void releaseGL();
    float sceneRadius() const;
    // Keeps the eye above the ground under it and draws again.
    void cameraMoved();
    void drawFull();

    TerrainMesh mesh_;
    // Made anew in each context: its shader programs belong to the one they
    // were made in, and a view moved to another screen can get another.
    std::optional<TerrainRenderer> renderer_;
    OrbitCamera camera_;
    int seaLevel_ = 0;
    bool glReady_ = false;
    const Grid* grid_ = nullptr;
    // What the graphics card still lacks: the whole mesh, and the cells
    // changed since the mesh was built.
    bool reloadPending_ = false;
    CellRect changed_;
    QPoint lastPoint_;
    bool coarse_ = false;
    // Brings the full mesh back once the mouse rests.
    QTimer* rest_;
};

} // namespace tolvar

#pragma once

#include "views/orbit_camera.h"
#include "views/terrain_mesh.h"
#include "views/terrain_renderer.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <QTimer>

namespace tolvar {

// The lit surface of the map, turned, slid and zoomed with the mouse and
// the keys as in other 3D tools.
class TerrainView : public QOpenGLWidget {
    Q_OBJECT

public:
    explicit TerrainView(QWidget* parent = nullptr);
    ~TerrainView() override;

    // Takes the whole map; the camera goes back to its start the first time
    // and whenever the map's size changes.
    void setMap(const Grid& grid, int rows, int cols, int seaLevel, float heightScale);
    // Sends only the vertices of rows first..last again.
    void updateRows(const Grid& grid, int firstRow, int lastRow);
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
    TerrainRenderer renderer_;
    OrbitCamera camera_;
    int seaLevel_ = 0;
    bool glReady_ = false;
    // What the graphics card still lacks: the whole mesh, or a span of it.
    bool reloadPending_ = false;
    TerrainMesh::Span pendingSpan_;
    QPoint lastPoint_;
    bool coarse_ = false;
    // Brings the full mesh back once the mouse rests.
    QTimer* rest_;
};

} // namespace tolvar

#pragma once

#include "views/orbit_camera.h"
#include "views/terrain_mesh.h"

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>

namespace tolvar {

// Draws a terrain mesh lit from the north-west, with a translucent water
// plane, in the current OpenGL context: one vertex buffer and one index
// buffer hold the grid. Every call needs the context it was made in current.
class TerrainRenderer : protected QOpenGLFunctions {
public:
    // Compiles the shaders; throws Error when the context cannot run them.
    void initialize();
    // Sends the whole mesh; the index buffer is remade only for a new size.
    void load(const TerrainMesh& mesh);
    // Sends only the vertices of a span the mesh has rewritten.
    void update(const TerrainMesh& mesh, TerrainMesh::Span span);
    // A coarse frame draws every second vertex of the grid, for a quarter
    // of the triangles: what a software renderer can keep up with while
    // the view turns.
    void draw(const OrbitCamera& camera, int width, int height, float waterMetres, bool coarse = false);
    // Frees the buffers while their context is still current.
    void release();

private:
    struct Indices {
        QOpenGLBuffer buffer{QOpenGLBuffer::IndexBuffer};
        int count = 0;
    };
    static void send(Indices& indices, const std::vector<std::uint32_t>& grid);
    void drawTerrain(const Mat4& viewProjection, Indices& indices);
    void drawWater(const Mat4& viewProjection, float waterMetres);

    QOpenGLShaderProgram terrain_;
    QOpenGLShaderProgram water_;
    QOpenGLBuffer vertices_{QOpenGLBuffer::VertexBuffer};
    Indices full_;
    Indices coarse_;
    int rows_ = 0;
    int cols_ = 0;
    float halfWidth_ = 0;
    float halfDepth_ = 0;
};

} // namespace tolvar

#include "views/terrain_renderer.h"

#include "core/error.h"

#include <algorithm>
#include <cstddef>

#ifndef GL_PRIMITIVE_RESTART_FIXED_INDEX
#define GL_PRIMITIVE_RESTART_FIXED_INDEX 0x8D69
#endif

namespace tolvar {
namespace {

// Lit once a vertex: the light is fixed to the map, and one colour to
// interpolate keeps a software renderer's pixels cheap.
const char* const TerrainVertexShader = R"(
attribute vec3 position;
attribute vec3 normal;
attribute vec4 colour;
uniform mat4 viewProjection;
uniform vec3 towardsLight;
varying vec3 vColour;
void main()
{
    float diffuse = max(dot(normal, towardsLight), 0.0);
    // An alpha of 0 marks a colour that takes no light.
    vColour = mix(colour.rgb, colour.rgb * (0.35 + 0.75 * diffuse), colour.a);
    gl_Position = viewProjection * vec4(position, 1.0);
}
)";

const char* const TerrainFragmentShader = R"(
varying vec3 vColour;
void main()
{
    gl_FragColor = vec4(vColour, 1.0);
}
)";

const char* const WaterVertexShader = R"(
attribute vec2 corner;
uniform mat4 viewProjection;
uniform vec3 extent;
void main()
{
    gl_Position = viewProjection * vec4(corner.x * extent.x, extent.y, corner.y * extent.z, 1.0);
}
)";

const char* const WaterFragmentShader = R"(
void main()
{
    gl_FragColor = vec4(0.12, 0.35, 0.65, 0.55);
}
)";

// The light comes from the north-west (-x, -z), 45 degrees above the horizon.
constexpr float Half = 0.5f;
constexpr float Up = 0.70710678f;

void build(QOpenGLShaderProgram& program, const char* vertex, const char* fragment)
{
    if (!program.addShaderFromSourceCode(QOpenGLShader::Vertex, vertex) ||
        !program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragment) || !program.link())
        throw Error("The 3D View cannot compile its shaders: " + program.log().toStdString());
}

int bytes(std::size_t vertexCount) { return static_cast<int>(vertexCount * sizeof(TerrainVertex)); }

} // namespace

void TerrainRenderer::initialize()
{
    initializeOpenGLFunctions();
    build(terrain_, TerrainVertexShader, TerrainFragmentShader);
    build(water_, WaterVertexShader, WaterFragmentShader);
    vertices_.create();
    full_.buffer.create();
    coarse_.buffer.create();
}

void TerrainRenderer::load(const TerrainMesh& mesh)
{
    if (mesh.rows() != rows_ || mesh.cols() != cols_) {
        send(full_, TerrainMesh::gridIndices(mesh.rows(), mesh.cols()));
        send(coarse_, TerrainMesh::gridIndices(mesh.rows(), mesh.cols(), 2));
        rows_ = mesh.rows();
        cols_ = mesh.cols();
    }
    vertices_.bind();
    vertices_.allocate(mesh.vertices().data(), bytes(mesh.vertices().size()));
    vertices_.release();
    halfWidth_ = mesh.halfWidth();
    halfDepth_ = mesh.halfDepth();
}

void TerrainRenderer::send(Indices& indices, const std::vector<std::uint32_t>& grid)
{
    indices.buffer.bind();
    indices.buffer.allocate(grid.data(), static_cast<int>(grid.size() * sizeof(std::uint32_t)));
    indices.buffer.release();
    indices.count = static_cast<int>(grid.size());
}

void TerrainRenderer::update(const TerrainMesh& mesh, TerrainMesh::Span span)
{
    if (span.count == 0)
        return;
    vertices_.bind();
    vertices_.write(bytes(static_cast<std::size_t>(span.firstVertex)), mesh.vertices().data() + span.firstVertex,
                    bytes(static_cast<std::size_t>(span.count)));
    vertices_.release();
}

void TerrainRenderer::draw(const OrbitCamera& camera, int width, int height, float waterMetres, bool coarse)
{
    glViewport(0, 0, width, height);
    glClearColor(0.72f, 0.80f, 0.88f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (full_.count == 0)
        return;
    const Mat4 viewProjection = camera.projection(float(width) / float(std::max(height, 1))) * camera.view();
    glEnable(GL_DEPTH_TEST);
    // Slopes turned away from the camera are hidden anyway; skipping them
    // spares a software renderer much of its work.
    glEnable(GL_CULL_FACE);
    drawTerrain(viewProjection, coarse ? coarse_ : full_);
    glDisable(GL_CULL_FACE);
    drawWater(viewProjection, waterMetres);
    glDisable(GL_DEPTH_TEST);
}

void TerrainRenderer::drawTerrain(const Mat4& viewProjection, Indices& indices)
{
    terrain_.bind();
    terrain_.setUniformValue("viewProjection", QMatrix4x4(viewProjection.data()).transposed());
    terrain_.setUniformValue("towardsLight", QVector3D(-Half, Up, -Half));
    vertices_.bind();
    indices.buffer.bind();
    const int stride = sizeof(TerrainVertex);
    terrain_.enableAttributeArray("position");
    terrain_.enableAttributeArray("normal");
    terrain_.enableAttributeArray("colour");
    terrain_.setAttributeBuffer("position", GL_FLOAT, offsetof(TerrainVertex, x), 3, stride);
    terrain_.setAttributeBuffer("normal", GL_FLOAT, offsetof(TerrainVertex, nx), 3, stride);
    // Bytes 0..255 read as 0..1.
    glVertexAttribPointer(terrain_.attributeLocation("colour"), 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<const void*>(offsetof(TerrainVertex, r)));
    // Strips send a third of the indices triangles would.
    glEnable(GL_PRIMITIVE_RESTART_FIXED_INDEX);
    glDrawElements(GL_TRIANGLE_STRIP, indices.count, GL_UNSIGNED_INT, nullptr);
    glDisable(GL_PRIMITIVE_RESTART_FIXED_INDEX);
    terrain_.disableAttributeArray("position");
    terrain_.disableAttributeArray("normal");
    terrain_.disableAttributeArray("colour");
    indices.buffer.release();
    vertices_.release();
    terrain_.release();
}

// Blended over the land after it, without writing depth, so that land under
// shallow water still shows through.
void TerrainRenderer::drawWater(const Mat4& viewProjection, float waterMetres)
{
    static const GLfloat corners[] = {-1, -1, 1, -1, 1, 1, -1, -1, 1, 1, -1, 1};
    water_.bind();
    water_.setUniformValue("viewProjection", QMatrix4x4(viewProjection.data()).transposed());
    water_.setUniformValue("extent", QVector3D(halfWidth_, waterMetres, halfDepth_));
    water_.enableAttributeArray("corner");
    water_.setAttributeArray("corner", GL_FLOAT, corners, 2);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    water_.disableAttributeArray("corner");
    water_.release();
}

void TerrainRenderer::release()
{
    vertices_.destroy();
    full_.buffer.destroy();
    coarse_.buffer.destroy();
    full_.count = coarse_.count = 0;
    terrain_.removeAllShaders();
    water_.removeAllShaders();
    rows_ = cols_ = 0;
}

} // namespace tolvar

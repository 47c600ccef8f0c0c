#include "views/view3d_window.h"

#include "core/app_state.h"
#include "core/error.h"
#include "core/number_text.h"
#include "core/ui_port.h"
#include "formats/bitmap_file.h"
#include "views/terrain_view.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdio>
#include <optional>

namespace tolvar {
namespace {

// Qt's offscreen platform cannot show an OpenGL widget, even where it can
// make a context.
bool openGLAvailable()
{
    if (QGuiApplication::platformName() == "offscreen")
        return false;
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    return context.create() && context.makeCurrent(&surface);
}

std::optional<int> seaLevelOf(const QString& text)
{
    try {
        return StrToInt(text.toStdString());
    } catch (const Error&) {
        return std::nullopt;
    }
}

} // namespace

Tfrm3D::Tfrm3D(const UiPort& boxes, QWidget* parent)
    : ViewForm(parent), boxes_(boxes), heightScale_(new QSpinBox(this)), view_(new TerrainView(this))
{
    setObjectName("frm3D");
    setWindowTitle("3D View");
    heightScale_->setObjectName("ediHeightScale");
    heightScale_->setRange(1, 20);
    heightScale_->setValue(DefaultHeightScale);
    heightScale_->setSuffix(QString::fromUtf8("\u00d7"));
    auto* label = new QLabel("Height scale", this);
    label->setBuddy(heightScale_);
    auto* save = new QPushButton("Save Picture", this);
    save->setObjectName("btnSavePicture");

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(label);
    bar->addWidget(heightScale_);
    bar->addStretch();
    bar->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(heightScale_, &QSpinBox::valueChanged, this, [this] {
        if (view_->hasMap())
            redraw();
    });
    connect(save, &QPushButton::clicked, this, &Tfrm3D::savePictureRequested);
    connect(view_, &TerrainView::doubleClicked, this, &Tfrm3D::savePictureRequested);
}

void Tfrm3D::requireOpenGL()
{
    static const bool available = openGLAvailable();
    if (!available)
        throw Error("The 3D View needs OpenGL, and this display offers none.");
}

void Tfrm3D::redraw()
{
    const AppState& s = appState();
    const int seaLevel = seaLevelOf(QString::fromStdString(boxes_.text(Box::ediSeaLevel))).value_or(s.params.SeaLevel);
    view_->setMap(s.HeightMap, s.MapRows, s.MapCols, seaLevel, float(heightScale_->value()));
}

QImage Tfrm3D::viewBuffer() const
{
    return view_->hasMap() && view_->isVisible() ? view_->grabFramebuffer() : QImage();
}

void Tfrm3D::savePicture(const std::string& fileName) const { SavePicturePng(viewBuffer(), fileName); }

std::string Tfrm3D::cameraText() const
{
    const OrbitCamera& camera = view_->camera();
    char text[96];
    std::snprintf(text, sizeof text, "azimuth %.1f elevation %.1f distance %.0f", double(camera.azimuth()),
                  double(camera.elevation()), double(camera.distance()));
    return text;
}

void Tfrm3D::updateRows(int firstRow, int lastRow)
{
    if (isVisible())
        view_->updateRows(appState().HeightMap, firstRow, lastRow);
}

// The land's colours change at the sea level too, not only the water's height.
void Tfrm3D::followSeaLevel(const QString& text)
{
    if (seaLevelOf(text) && view_->hasMap() && isVisible())
        redraw();
}

} // namespace tolvar

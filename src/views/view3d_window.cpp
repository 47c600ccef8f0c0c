#include "views/view3d_window.h"

#include "core/map_document.h"
#include "core/error.h"
#include "core/number_text.h"
#include "core/ui_port.h"
#include "formats/bitmap_file.h"
#include "formats/game_companions.h"
#include "views/height_ramp.h"
#include "views/material_palette.h"
#include "views/terrain_view.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <optional>

namespace tolvar {
namespace {

// Qt's offscreen platform cannot show an OpenGL widget, even where it can
// make a context.
bool displayOffersOpenGL()
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

// The material layer's key: each index on its colour.
QWidget* materialLegend(QWidget* parent)
{
    auto* legend = new QWidget(parent);
    legend->setObjectName("legendMaterials");
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(6, 0, 6, 4);
    row->setSpacing(2);
    row->addWidget(new QLabel("Materials:", legend));
    for (std::size_t m = 0; m < MaterialPalette.size(); ++m) {
        const Rgb colour = MaterialPalette[m];
        auto* swatch = new QLabel(QString::number(m), legend);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setMinimumWidth(24);
        const bool dark = colour.red + colour.green + colour.blue < 3 * 128;
        swatch->setStyleSheet(QString("background: rgb(%1,%2,%3); color: %4; border: 1px solid gray")
                                  .arg(colour.red)
                                  .arg(colour.green)
                                  .arg(colour.blue)
                                  .arg(dark ? "white" : "black"));
        row->addWidget(swatch);
    }
    row->addStretch();
    legend->hide();
    return legend;
}

} // namespace

Tfrm3D::Tfrm3D(MapDocument& map, const UiPort& boxes, QWidget* parent)
    : ViewForm(parent), map_(map), boxes_(boxes), heightScale_(new QSpinBox(this)), gameLight_(new QCheckBox("Game light", this)),
      materials_(new QCheckBox("Materials", this)), legend_(materialLegend(this)), view_(new TerrainView(this))
{
    setObjectName("frm3D");
    setWindowTitle("3D View");
    heightScale_->setObjectName("ediHeightScale");
    heightScale_->setRange(1, 20);
    heightScale_->setValue(DefaultHeightScale);
    heightScale_->setSuffix(QString::fromUtf8("\u00d7"));
    heightScale_->setToolTip("How many times higher than true the heights stand, 1 to 20.");
    auto* label = new QLabel("Height scale", this);
    label->setBuddy(heightScale_);
    gameLight_->setObjectName("chkGameLight");
    gameLight_->setToolTip("Shade as the game does, from the light of the last Save Game Terrain or Open");
    materials_->setObjectName("chkMaterials");
    materials_->setToolTip("Colour each 2 x 2 tile by its game material");
    auto* save = new QPushButton("Save Picture", this);
    save->setObjectName("btnSavePicture");
    save->setToolTip("Saves the view as shown as a PNG picture.");

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    bar->addWidget(label);
    bar->addWidget(heightScale_);
    bar->addSpacing(12);
    bar->addWidget(gameLight_);
    bar->addWidget(materials_);
    bar->addStretch();
    bar->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(legend_);
    layout->addWidget(view_, 1);

    connect(heightScale_, &QSpinBox::valueChanged, this, [this] {
        if (view_->hasMap())
            redraw();
    });
    for (QCheckBox* layer : {gameLight_, materials_})
        connect(layer, &QCheckBox::toggled, this, [this] {
            legend_->setVisible(materials_->isChecked());
            if (view_->hasMap())
                redraw();
        });
    connect(save, &QPushButton::clicked, this, &Tfrm3D::savePictureRequested);
    connect(view_, &TerrainView::doubleClicked, this, &Tfrm3D::savePictureRequested);
    map_.addListener(*this);
}

Tfrm3D::~Tfrm3D() { map_.removeListener(*this); }

bool Tfrm3D::openGLAvailable()
{
    static const bool available = displayOffersOpenGL();
    return available;
}

void Tfrm3D::requireOpenGL()
{
    if (!openGLAvailable())
        throw Error("The 3D View needs OpenGL, and this display offers none.");
}

void Tfrm3D::redraw()
{
    reloadDue_ = false;
    rowsChanged_ = false;
    const int seaLevel =
        seaLevelOf(QString::fromStdString(boxes_.text(Box::ediSeaLevel))).value_or(map_.state().params.SeaLevel);
    const Grid& heights = map_.heights();
    const int rows = map_.size().rows;
    view_->setGameLayers(gameLight_->isChecked() ? GameLightOf(heights, rows) : std::vector<std::uint8_t>{},
                         materials_->isChecked() ? GameMaterialsOf(heights, rows) : std::vector<std::uint8_t>{});
    shownCompanions_ = gameCompanions().version;
    view_->setMap(heights, rows, map_.size().cols, seaLevel, float(heightScale_->value()));
}

void Tfrm3D::redrawGameLayers()
{
    if (isVisible() && view_->hasMap() && gameLayersShown())
        redraw();
}

bool Tfrm3D::gameLayersShown() const { return gameLight_->isChecked() || materials_->isChecked(); }

void Tfrm3D::followCommandEnd()
{
    const bool newCompanions = view_->hasMap() && gameLayersShown() && gameCompanions().version != shownCompanions_;
    if (newCompanions || (rowsChanged_ && !rowsShowAsTheWhole()))
        reloadDue_ = true;
    reloadIfDue();
}

bool Tfrm3D::rowsShowAsTheWhole() const
{
    const MapSize size = map_.size();
    return view_->hasMap() && !gameLayersShown() &&
           view_->mesh().colourScale() == ColourScale(map_.heights(), size.rows, size.cols);
}

void Tfrm3D::regionChanged(const CellRect& cells)
{
    rowsChanged_ = true;
    view_->noteChanged(cells);
}

void Tfrm3D::reloadIfDue()
{
    if (reloadDue_ && isVisible())
        redraw();
}

// A window shown by its menu item draws at once, which the wait lets come
// first; one shown another way, as a dock's tab brought forward, reloads
// if the map changed while it was hidden.
void Tfrm3D::showEvent(QShowEvent* event)
{
    ViewForm::showEvent(event);
    QTimer::singleShot(0, this, &Tfrm3D::reloadIfDue);
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

// The land's colours change at the sea level too, not only the water's height.
void Tfrm3D::followSeaLevel(const QString& text)
{
    if (seaLevelOf(text) && view_->hasMap() && isVisible())
        redraw();
}

} // namespace tolvar

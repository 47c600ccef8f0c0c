#include "views/sculpt_window.h"

#include "core/map_document.h"
#include "core/error.h"
#include "core/number_text.h"
#include "sculpt/stroke_commands.h"
#include "views/operation_runner.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tolvar {
namespace {

int nearestCell(double at)
{
    return static_cast<int>(std::floor(at + 0.5));
}

// The cells whose shading reads the given ones: one more on every side.
CellRect withNeighbours(const CellRect& cells, MapSize size)
{
    if (cells.empty())
        return cells;
    return {std::max(cells.firstRow - 1, 1), std::min(cells.lastRow + 1, int{size.rows}), std::max(cells.firstCol - 1, 1),
            std::min(cells.lastCol + 1, int{size.cols})};
}

} // namespace

TfrmSculpt::TfrmSculpt(const MapDocument& map, OperationRunner& runner, QWidget* parent)
    : ViewForm(parent), map_(map), runner_(runner), imgSculpt_(new SculptCanvas(this)),
      labSculptStatus_(new QLabel(this)), labSculptView_(new QLabel(this))
{
    setObjectName("frmSculpt");
    setWindowTitle("Sculpt");
    labSculptStatus_->setObjectName("labSculptStatus");
    labSculptView_->setObjectName("labSculptView");
    auto* status = new QHBoxLayout;
    status->setContentsMargins(6, 0, 6, 2);
    status->addWidget(labSculptStatus_, 1);
    status->addWidget(labSculptView_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(makeToolBar());
    layout->addWidget(imgSculpt_, 1);
    layout->addLayout(status);
    showView();

    connect(imgSculpt_, &SculptCanvas::pressed, this, &TfrmSculpt::press);
    connect(imgSculpt_, &SculptCanvas::dragged, this, &TfrmSculpt::drag);
    connect(imgSculpt_, &SculptCanvas::released, this, &TfrmSculpt::release);
    connect(imgSculpt_, &SculptCanvas::hovered, this, &TfrmSculpt::showStatus);
    connect(imgSculpt_, &SculptCanvas::zoomed, this, &TfrmSculpt::showView);
    addScalingKey("[", ediRadius_, 0.5, 128);
    addScalingKey("]", ediRadius_, 2, 128);
    addScalingKey("{", ediStrength_, 0.5, 100);
    addScalingKey("}", ediStrength_, 2, 100);
}

TfrmSculpt::~TfrmSculpt() = default;

QWidget* TfrmSculpt::makeToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 0);
    cboBrush_ = new QComboBox(bar);
    cboBrush_->setObjectName("cboBrush");
    for (const auto& [kind, name] : BrushNames)
        cboBrush_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    cboBrush_->setToolTip("The brush the left button paints with.");
    row->addWidget(cboBrush_);
    ediRadius_ = addBox(bar, "ediRadius", "Radius", "16", 40,
                        "The brush's radius in cells, 1 to 128; [ and ] halve and double it.");
    ediStrength_ = addBox(bar, "ediStrength", "Strength %", "50", 40,
                          "How hard a stroke pulls the heights, 1 to 100 per cent; { and } halve and double it.");
    ediHardness_ = addBox(bar, "ediHardness", "Hardness %", "50", 40,
                          "The share of the radius that takes the full strength, 0 to 100 per cent; beyond it "
                          "the pull fades to nothing at the rim.");
    ediTarget_ = addBox(bar, "ediTarget", "Target", "1000", 56,
                        "The height, 0 to 65535, that the Set Height brush moves cells toward.");
    row->addSpacing(12);
    cboShading_ = new QComboBox(bar);
    cboShading_->setObjectName("cboShading");
    cboShading_->addItems({"Hill Shade", "Contours"});
    cboShading_->setToolTip("Shows the heights lit from the north-west, or as contour lines.");
    row->addWidget(cboShading_);
    ediContour_ = addBox(bar, "ediContour", "Every", "100", 48,
                         "The height between two contour lines, 1 to 65535; Enter applies it.");
    auto* fit = new QToolButton(bar);
    fit->setObjectName("btnFit");
    fit->setText("Fit");
    fit->setToolTip("Zooms so that the whole map fits the window.");
    row->addWidget(fit);
    row->addStretch(1);

    connect(ediRadius_, &QLineEdit::textChanged, this, [this](const QString& text) {
        bool ok = false;
        const int radius = text.toInt(&ok);
        if (ok && radius >= 1 && radius <= 128)
            imgSculpt_->setBrushRadius(radius);
    });
    connect(cboShading_, &QComboBox::currentIndexChanged, this, [this](int index) {
        look_.contours = index == 1;
        redraw();
    });
    connect(ediContour_, &QLineEdit::editingFinished, this,
            [this] { runner_.runInFrame([this](Frame&) { readContourInterval(); }, {}); });
    connect(fit, &QToolButton::clicked, imgSculpt_, &SculptCanvas::fit);
    return bar;
}

// A key that halves or doubles a box's number, within 1 to highest; a box
// that holds no number is left for the user to mend.
void TfrmSculpt::addScalingKey(const char* key, QLineEdit* box, double factor, int highest)
{
    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [box, factor, highest] {
        bool ok = false;
        const int value = box->text().toInt(&ok);
        if (ok)
            box->setText(QString::number(static_cast<int>(std::clamp(value * factor, 1.0, double(highest)))));
    });
}

QLineEdit* TfrmSculpt::addBox(QWidget* bar, const char* name, const char* caption, const char* text, int width,
                              const char* tip)
{
    auto* label = new QLabel(caption, bar);
    auto* box = new QLineEdit(text, bar);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setFixedWidth(width);
    label->setBuddy(box);
    bar->layout()->addWidget(label);
    bar->layout()->addWidget(box);
    return box;
}

// A bad interval is refused and the box shows the one in use again.
void TfrmSculpt::readContourInterval()
{
    const QString text = ediContour_->text();
    bool ok = false;
    const int interval = text.toInt(&ok);
    if (!ok || interval < 1 || interval > 65535) {
        ediContour_->setText(QString::number(look_.interval));
        throw Error(formatMessage("'%s' is not a valid contour interval: it takes 1 to 65535", text.toStdString()));
    }
    if (interval != look_.interval) {
        look_.interval = interval;
        redraw();
    }
}

void TfrmSculpt::redraw()
{
    const MapSize size = map_.size();
    if (size.rows == 0 || size.cols == 0)
        return;
    const bool newSize = picture_.width != size.cols || picture_.height != size.rows;
    if (newSize)
        picture_.resize(size.cols, size.rows);
    scale_ = ColourScale(map_.heights(), size.rows, size.cols);
    ramp_.emplace(map_.state().params.SeaLevel, scale_);
    paintCells(CellRect::Whole(size));
    if (newSize)
        fitToView();
    showView();
    // The cell under the cursor may have changed with the map.
    if (statusSpot_)
        showStatus(*statusSpot_);
}

// "Zoom 100 %", after the colour scale when the map has widened it.
void TfrmSculpt::showView()
{
    QString text = QString("Zoom %1 %").arg(imgSculpt_->zoom());
    if (scale_.highest > GameHeightLimit)
        text = QString("Colours 0 to %1 (the map rises above %2)   ").arg(scale_.highest).arg(GameHeightLimit) + text;
    labSculptView_->setText(text);
}

void TfrmSculpt::paintCells(const CellRect& cells)
{
    if (cells.empty() || !fitsMap())
        return;
    const MapSize size = map_.size();
    SculptPicture(map_.heights(), size.rows, size.cols, *ramp_, look_).paint(cells, picture_);
    imgSculpt_->showPixels(picture_, QRect(QPoint(cells.firstCol - 1, size.rows - cells.lastRow),
                                           QPoint(cells.lastCol - 1, size.rows - cells.firstRow)));
}

// One pixel per cell where the view has room for it, else the whole map.
// The window keeps the size it was given: where it stands is the main
// window's choice, and the user's.
void TfrmSculpt::fitToView()
{
    const QSize view = imgSculpt_->viewport()->size();
    if (picture_.width <= view.width() && picture_.height <= view.height())
        imgSculpt_->setZoom(100);
    else
        imgSculpt_->fit();
}

QImage TfrmSculpt::viewBuffer() const
{
    return picture_.pixels.empty() ? QImage() : imgSculpt_->viewport()->grab().toImage();
}

void TfrmSculpt::press(MapSpot spot)
{
    // A release the window never heard of still ends its stroke, so that
    // the history holds every change.
    if (stroke_)
        release();
    runner_.runInFrame(
        [this, spot](Frame& frame) {
            const BrushSettings settings =
                ReadBrushSettings(cboBrush_->currentText().toStdString(), ediRadius_->text().toStdString(),
                                  ediStrength_->text().toStdString(), ediHardness_->text().toStdString(),
                                  ediTarget_->text().toStdString());
            stroke_ = StartStroke(frame, settings, PathPointAt(spot.row, spot.col));
        },
        {});
    if (stroke_)
        showStroke(stroke_->touched(), spot);
}

void TfrmSculpt::drag(MapSpot spot)
{
    if (stroke_)
        showStroke(stroke_->moveTo(PathPointAt(spot.row, spot.col)), spot);
}

// The changed cells only are shaded again.
void TfrmSculpt::showStroke(const CellRect& cells, MapSpot spot)
{
    paintCells(withNeighbours(cells, map_.size()));
    showStatus(spot);
}

void TfrmSculpt::release()
{
    if (!stroke_)
        return;
    const std::unique_ptr<Stroke> stroke = std::move(stroke_);
    runner_.runInFrame([&stroke](Frame& frame) { FinishStroke(frame, *stroke); },
                       QString::fromStdString(StrokeStateName(stroke->settings())));
    if (!fitsMap() || !onCurrentScale())
        redraw();
}

// False before the first drawing, or once a stroke's press has taken a new
// map size: the picture then waits for the release to be drawn whole.
bool TfrmSculpt::fitsMap() const
{
    return ramp_ && picture_.width == map_.size().cols && picture_.height == map_.size().rows;
}

// The stroke's cells were drawn on the colour scale the picture had; a map
// the stroke took past it, or back under it, recolours every cell.
bool TfrmSculpt::onCurrentScale() const
{
    return ColourScale(map_.heights(), map_.size().rows, map_.size().cols) == scale_;
}

void TfrmSculpt::showStatus(MapSpot spot)
{
    statusSpot_ = spot;
    labSculptStatus_->setText(QString::fromStdString(SculptStatusText(map_.heights(), map_.size().rows,
                                                                      map_.size().cols, nearestCell(spot.row),
                                                                      nearestCell(spot.col))));
}

} // namespace tolvar

#include "views/sculpt_window.h"

#include "core/app_state.h"
#include "core/error.h"
#include "core/number_text.h"
#include "sculpt/stroke_commands.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace tolvar {
namespace {

int nearestCell(double at)
{
    return static_cast<int>(std::floor(at + 0.5));
}

// The cells whose shading reads the given ones: one more on every side.
CellRect withNeighbours(const CellRect& cells, int rows, int cols)
{
    if (cells.empty())
        return cells;
    return {std::max(cells.firstRow - 1, 1), std::min(cells.lastRow + 1, rows), std::max(cells.firstCol - 1, 1),
            std::min(cells.lastCol + 1, cols)};
}

} // namespace

TfrmSculpt::TfrmSculpt(CommandRunner run, QWidget* parent)
    : ViewForm(parent), run_(std::move(run)), imgSculpt_(new SculptCanvas(this)), labSculptStatus_(new QLabel(this)),
      labSculptView_(new QLabel(this))
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
    row->addWidget(cboBrush_);
    ediRadius_ = addBox(bar, "ediRadius", "Radius", "16", 40);
    ediStrength_ = addBox(bar, "ediStrength", "Strength %", "50", 40);
    ediHardness_ = addBox(bar, "ediHardness", "Hardness %", "50", 40);
    ediTarget_ = addBox(bar, "ediTarget", "Target", "1000", 56);
    row->addSpacing(12);
    cboShading_ = new QComboBox(bar);
    cboShading_->setObjectName("cboShading");
    cboShading_->addItems({"Hill Shade", "Contours"});
    row->addWidget(cboShading_);
    ediContour_ = addBox(bar, "ediContour", "Every", "100", 48);
    auto* fit = new QToolButton(bar);
    fit->setObjectName("btnFit");
    fit->setText("Fit");
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
            [this] { run_([this](Frame&) { readContourInterval(); }, {}); });
    connect(fit, &QToolButton::clicked, imgSculpt_, &SculptCanvas::fit);
    return bar;
}

QLineEdit* TfrmSculpt::addBox(QWidget* bar, const char* name, const char* caption, const char* text, int width)
{
    auto* label = new QLabel(caption, bar);
    auto* box = new QLineEdit(text, bar);
    box->setObjectName(name);
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
    const AppState& s = appState();
    if (s.MapRows == 0 || s.MapCols == 0)
        return;
    const bool newSize = picture_.width != s.MapCols || picture_.height != s.MapRows;
    if (newSize)
        picture_.resize(s.MapCols, s.MapRows);
    scale_ = ColourScale(s.HeightMap, s.MapRows, s.MapCols);
    ramp_.emplace(s.params.SeaLevel, scale_);
    paintCells({1, s.MapRows, 1, s.MapCols});
    if (newSize)
        fitToScreen();
    showView();
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
    if (cells.empty() || !ramp_)
        return;
    const AppState& s = appState();
    SculptPicture(s.HeightMap, s.MapRows, s.MapCols, *ramp_, look_).paint(cells, picture_);
    imgSculpt_->showPixels(picture_, QRect(QPoint(cells.firstCol - 1, s.MapRows - cells.lastRow),
                                           QPoint(cells.lastCol - 1, s.MapRows - cells.firstRow)));
}

// One pixel per cell where the screen has room for it.
void TfrmSculpt::fitToScreen()
{
    imgSculpt_->setZoom(100);
    const int frame = 2 * imgSculpt_->frameWidth();
    QSize wanted = sizeHint();
    wanted.setWidth(std::max(wanted.width(), picture_.width + frame));
    wanted.setHeight(wanted.height() - imgSculpt_->sizeHint().height() + picture_.height + frame);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    resize(wanted);
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
    run_(
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

// The changed cells only are shaded again; the other views wait for the release.
void TfrmSculpt::showStroke(const CellRect& cells, MapSpot spot)
{
    const AppState& s = appState();
    paintCells(withNeighbours(cells, s.MapRows, s.MapCols));
    showStatus(spot);
    if (!cells.empty())
        emit mapRegionChanged(cells.firstRow, cells.lastRow, cells.firstCol, cells.lastCol);
}

void TfrmSculpt::release()
{
    if (!stroke_)
        return;
    const std::unique_ptr<Stroke> stroke = std::move(stroke_);
    run_([&stroke](Frame& frame) { FinishStroke(frame, *stroke); },
         QString::fromStdString(StrokeStateName(stroke->settings())));
}

void TfrmSculpt::showStatus(MapSpot spot)
{
    const AppState& s = appState();
    labSculptStatus_->setText(QString::fromStdString(
        SculptStatusText(s.HeightMap, s.MapRows, s.MapCols, nearestCell(spot.row), nearestCell(spot.col))));
}

} // namespace tolvar

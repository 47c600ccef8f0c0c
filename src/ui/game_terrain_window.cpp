#include "ui/game_terrain_window.h"

#include "effects/game_terrain_options.h"
#include "ui/app_settings.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QLineEdit>

namespace tolvar {
namespace {

QString key(std::string_view name) { return "GameTerrain/" + qs(name); }

} // namespace

TfrmGameTerrain::TfrmGameTerrain(AppSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), repaint_(new QCheckBox("Repaint materials", this))
{
    setObjectName("frmGameTerrain");
    setWindowTitle("Game Terrain");
    auto* form = new QFormLayout(this);
    GameTerrainBoxes& boxes = gameTerrainBoxes();
    const GameTerrainBoxes defaults;
    for (const GameTerrainBox& box : GameTerrainTextBoxes) {
        std::string& text = boxes.*box.text;
        auto* edit = new QLineEdit(settings_.value(key(box.name), qs(defaults.*box.text)).toString(), this);
        edit->setObjectName(qs(box.name));
        text = edit->text().toStdString();
        connect(edit, &QLineEdit::textChanged, this, [this, name = box.name, &text](const QString& typed) {
            text = typed.toStdString();
            settings_.setValue(key(name), typed);
            emit boxesChanged();
        });
        form->addRow(qs(box.label), edit);
        edits_.push_back(edit);
    }
    repaint_->setObjectName("chkRepaintMaterials");
    repaint_->setToolTip("Paint NAME.mat again even when one of the right size is there");
    boxes.chkRepaintMaterials = settings_.value(key("chkRepaintMaterials"), false).toBool();
    repaint_->setChecked(boxes.chkRepaintMaterials);
    connect(repaint_, &QCheckBox::toggled, this, [this](bool on) {
        gameTerrainBoxes().chkRepaintMaterials = on;
        settings_.setValue(key("chkRepaintMaterials"), on);
    });
    form->addRow(repaint_);
}

std::vector<std::pair<std::string, std::string>> TfrmGameTerrain::boxTexts() const
{
    std::vector<std::pair<std::string, std::string>> texts;
    for (const QLineEdit* edit : edits_)
        texts.emplace_back(edit->objectName().toStdString(), edit->text().toStdString());
    texts.emplace_back("chkRepaintMaterials", repaint_->isChecked() ? "checked" : "unchecked");
    return texts;
}

void TfrmGameTerrain::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace tolvar

// The option switches of the main window's Options menu.
#include "project/program_data.h"
#include "shell/data_forms.h"
#include "shell/main_form.h"

#include <QMdiSubWindow>

namespace korvex::app {

// Switching an option off closes its table's editor; the rows stay in the
// table until the project is saved.
void TMainForm::SwitchOption(bool TProgramData::*option, TGridTable* table) {
    bool& on = (*project_).*option;
    on = !on;
    project_->MarkModified();
    if (!on && table) CloseTableWindow(*table);
    UpdateDataMenu();
}

void TMainForm::UpdateEarthPressureMenu() {
    TProgramData& p = *project_;
    const bool generating = p.GeneratePY != 0;
    actions_["EarthTriangular"]->setEnabled(generating);
    actions_["EarthTrapezoidal"]->setEnabled(generating);
    if (!generating) {
        p.EarthShape = 1;
        p.UseSurcharge = false;
    }
    if (p.EarthShape == 0) p.EarthShape = 1;
    const char* names[] = {"EarthUser", "EarthTriangular", "EarthTrapezoidal"};
    actions_[QLatin1String(names[std::clamp(p.EarthShape, 1, 3) - 1])]->setChecked(true);
    p.UserEarthPressure = p.EarthShape == 1;
}

void TMainForm::SetEarthShape(int shape) {
    TProgramData& p = *project_;
    p.EarthShape = shape;
    p.UserEarthPressure = shape == 1;
    if (shape == 1) p.UseSurcharge = false;
    p.MarkModified();
    if (QMdiSubWindow* window = children_.value(QStringLiteral("WallConfiguration")))
        static_cast<TWallConfigurationForm*>(window->widget())->UpdateEarthPressureFields();
    UpdateDataMenu();
}

void TMainForm::GeneratePYClick() {
    TProgramData& p = *project_;
    p.GeneratePY = p.GeneratePY ? 0 : 1;
    p.MarkModified();
    if (!p.GeneratePY) {
        SetEarthShape(1);
        p.UseTiebacks = false;
        p.UseExtPY = true;
    }
    UpdateEarthPressureMenu();
    UpdateDataMenu();
}

void TMainForm::SetUnits(int system) {
    if (!CommitActiveDataForm() || system == project_->Units) return;
    project_->SetUnits(system);
    project_->MarkModified();
    for (QMdiSubWindow* window : children_)
        if (auto* form = window ? qobject_cast<TDataForm*>(window->widget()) : nullptr) form->ShowValues();
}

void TMainForm::LongTermClick() {
    project_->LongTerm = !project_->LongTerm;
    project_->MarkModified();
    UpdateDataMenu();
}

}  // namespace korvex::app

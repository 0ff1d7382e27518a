// The menus and the tool bar of the main window, and the states their
// items take each time a menu opens.
#include "project/program_data.h"
#include "project/stage_files.h"
#include "shell/main_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QUrl>

namespace korvex::app {

QAction* TMainForm::Act(const char* name, const QString& text, void (TMainForm::*slot)(), const QKeySequence& key) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    if (slot) connect(action, &QAction::triggered, this, slot);
    actions_.insert(QLatin1String(name), action);
    return action;
}

QAction* TMainForm::Toggle(const char* name, const QString& text, bool TProgramData::*option, TGridTable* table) {
    QAction* action = Act(name, text, nullptr);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, option, table] { SwitchOption(option, table); });
    return action;
}

void TMainForm::CreateMenus() {
    CreateFileMenu();
    CreateDataMenu();
    CreateOptionsMenu();
    CreateStageMenu();
    CreateComputationMenu();
    CreateGraphicsMenu();
    CreateWindowMenu();
    Create3DMenu();
    CreateHelpMenu();
}

void TMainForm::CreateFileMenu() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(Act("FileNew", QStringLiteral("&New"), &TMainForm::FileNewClick, QKeySequence(QStringLiteral("Ctrl+N"))));
    fileMenu_->addAction(Act("FileOpen", QStringLiteral("&Open..."), &TMainForm::FileOpenClick, QKeySequence(QStringLiteral("Ctrl+O"))));
    fileMenu_->addAction(Act("FileSave", QStringLiteral("&Save"), nullptr, QKeySequence(QStringLiteral("Ctrl+S"))));
    connect(actions_["FileSave"], &QAction::triggered, this, [this] { FileSaveClick(); });
    fileMenu_->addAction(Act("FileSaveAs", QStringLiteral("Save &As..."), nullptr));
    connect(actions_["FileSaveAs"], &QAction::triggered, this, [this] { FileSaveAsClick(); });
    fileMenu_->addSeparator();
    for (int i = 0; i < kMostRecentFiles; ++i) {
        auto* item = fileMenu_->addAction(QString());
        item->setObjectName(QStringLiteral("FileRecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] {
            if (CommitActiveDataForm() && AskToSaveChanges()) OpenNamedFile(recent_.Names().at(i));
        });
        recentActions_ << item;
    }
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addAction(Act("FileExit", QStringLiteral("E&xit"), nullptr, QKeySequence(QStringLiteral("Ctrl+Q"))));
    connect(actions_["FileExit"], &QAction::triggered, this, &QWidget::close);
    connect(fileMenu_, &QMenu::aboutToShow, this, &TMainForm::UpdateFileMenu);
    UpdateFileMenu();
}

void TMainForm::UpdateFileMenu() {
    CommitActiveDataForm();
    const QString folder = QDir::currentPath();
    for (int i = 0; i < recentActions_.size(); ++i) {
        const bool used = i < recent_.Names().size();
        recentActions_[i]->setVisible(used);
        if (used) recentActions_[i]->setText(recent_.MenuText(i, folder));
    }
    recentSeparator_->setVisible(!recent_.Names().isEmpty());
}

void TMainForm::CreateDataMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Da&ta"));
    TProjectTables& t = tables_;
    menu->addAction(Act("DataTitle", QStringLiteral("&Title"), &TMainForm::TitleClick));
    menu->addAction(Act("DataWallProperties", QStringLiteral("Wall &Properties"), &TMainForm::WallPropertiesClick));
    menu->addAction(Act("DataWallConfiguration", QStringLiteral("&Wall Configuration"), &TMainForm::WallConfigurationClick));
    const auto tableItem = [&](QMenu* into, const char* name, const QString& text, TGridTable& table) {
        QAction* action = Act(name, text, nullptr);
        connect(action, &QAction::triggered, this, [this, &table] { ShowTable(table); });
        into->addAction(action);
    };
    tableItem(menu, "DataSoil", QStringLiteral("&Soil Layer Data"), t.NewSoil());
    soilMenu_ = menu->addMenu(QStringLiteral("&Soil Layer Data"));
    tableItem(soilMenu_, "DataSoilShort", QStringLiteral("Short-Term"), t.NewSoil());
    tableItem(soilMenu_, "DataSoilLong", QStringLiteral("Long-Term"), t.LongSoil());
    tableItem(menu, "DataDist", QStringLiteral("&Distributed Active Earth Pressure"), t.DistLoad());
    distMenu_ = menu->addMenu(QStringLiteral("&Distributed Active Earth Pressure"));
    tableItem(distMenu_, "DataDistShort", QStringLiteral("Short-Term"), t.DistLoad());
    tableItem(distMenu_, "DataDistLong", QStringLiteral("Long-Term"), t.LongDist());
    menu->addAction(Act("DataSurcharge", QStringLiteral("&Additional Surcharge Loads"), &TMainForm::SurchargeClick));
    menu->addAction(Act("DataLoads", QStringLiteral("&Concentrated Loads on the Wall"), &TMainForm::LoadsClick));
    menu->addAction(Act("DataTieback", QStringLiteral("Tieback (Ground Anchor) Data"), &TMainForm::TiebackClick));
    tableItem(menu, "DataRestraints", QStringLiteral("&Boundary Condition on Deflection or Slope"), t.Soillayer());
    tableItem(menu, "DataPYMod", QStringLiteral("Modification &Factors for p-y Curves"), t.PYMod());
    tableItem(menu, "DataExtPY", QStringLiteral("Sets of &External p-y Curves"), t.PYCurves2());
    menu->addAction(Act("DataSprings", QStringLiteral("&Lateral Springs and Rotational Restraints"), &TMainForm::SpringsClick));
    tableItem(menu, "DataMEI", QStringLiteral("Sets of Nonlinear Moment vs EI Curves"), t.MEICurves2());
    connect(menu, &QMenu::aboutToShow, this, [this] {
        CommitActiveDataForm();
        UpdateDataMenu();
    });
}

void TMainForm::UpdateDataMenu() {
    const TProgramData& p = *project_;
    const bool generated = p.GeneratedEarthPressure || p.GeneratePY;
    const bool tables = static_cast<bool>(factories_.table);
    const auto set = [this](const char* name, bool enabled) { actions_[QLatin1String(name)]->setEnabled(enabled); };
    set("DataWallConfiguration", generated);
    actions_["DataSoil"]->setVisible(!p.LongTerm);
    soilMenu_->menuAction()->setVisible(p.LongTerm);
    actions_["DataDist"]->setVisible(!p.LongTerm);
    distMenu_->menuAction()->setVisible(p.LongTerm);
    for (const char* name : {"DataSoil", "DataSoilShort", "DataSoilLong"}) set(name, generated && tables);
    for (const char* name : {"DataDist", "DataDistShort", "DataDistLong"}) set(name, p.EarthShape == 1 && tables);
    set("DataSurcharge", p.UseSurcharge);
    set("DataLoads", p.UseLoads);
    set("DataTieback", p.UseTiebacks);
    set("DataRestraints", p.UseRestraints && tables);
    set("DataPYMod", p.UsePYMod && tables);
    set("DataExtPY", p.UseExtPY && tables);
    set("DataSprings", p.UseSprings);
    set("DataMEI", p.UseMEI && tables);
    set("ToolSoilLayers", generated && !p.LongTerm && tables);
    set("ToolStageOption", !p.LongTerm && factories_.stagedDialog);
}

void TMainForm::CreateOptionsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu* units = menu->addMenu(QStringLiteral("&Units"));
    auto* unitGroup = new QActionGroup(this);
    const char* unitNames[] = {"UnitsEnglish", "UnitsSI", "UnitsOther"};
    const QString unitTexts[] = {QStringLiteral("&English Units (lbs, in)"), QStringLiteral("&SI Units (kN, m)"),
                                 QStringLiteral("&Other Units (F, L)")};
    for (int i = 0; i < 3; ++i) {
        QAction* action = Act(unitNames[i], unitTexts[i], nullptr);
        action->setCheckable(true);
        unitGroup->addAction(action);
        units->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { SetUnits(i + 1); });
    }
    connect(units, &QMenu::aboutToShow, this, [this] {
        actions_[QLatin1String(project_->Units == 2 ? "UnitsSI" : project_->Units == 3 ? "UnitsOther" : "UnitsEnglish")]
            ->setChecked(true);
    });
    earthMenu_ = menu->addMenu(QStringLiteral("Earth-Pressure Options"));
    auto* earthGroup = new QActionGroup(this);
    const char* earthNames[] = {"EarthUser", "EarthTriangular", "EarthTrapezoidal"};
    const QString earthTexts[] = {QStringLiteral("Earth-Pressure Specified by User"),
                                  QStringLiteral("Generate Triangular-Distribution Earth-Pressure"),
                                  QStringLiteral("Generate Trapezoidal-Distribution Pressure (Anchored Walls)")};
    for (int i = 0; i < 3; ++i) {
        QAction* action = Act(earthNames[i], earthTexts[i], nullptr);
        action->setCheckable(true);
        earthGroup->addAction(action);
        earthMenu_->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { SetEarthShape(i + 1); });
    }
    connect(earthMenu_, &QMenu::aboutToShow, this, &TMainForm::UpdateEarthPressureMenu);
    TProjectTables& t = tables_;
    QAction* generate = Act("OptGeneratePY", QStringLiteral("Generate &p-y Curves"), &TMainForm::GeneratePYClick);
    generate->setCheckable(true);
    menu->addAction(generate);
    menu->addAction(Toggle("OptLoads", QStringLiteral("Apply &Concentrated Loads"), &TProgramData::UseLoads, &t.BoundCond()));
    menu->addAction(Toggle("OptTiebacks", QStringLiteral("Apply Tieback (Ground  Anchor)"), &TProgramData::UseTiebacks, nullptr));
    menu->addAction(Toggle("OptRestraints", QStringLiteral("Apply &Restraints on Deflection or Slope"), &TProgramData::UseRestraints, &t.Soillayer()));
    menu->addAction(Toggle("OptExtPY", QStringLiteral("Apply User Specified p-y Curves (&External)"), &TProgramData::UseExtPY, &t.PYCurves2()));
    menu->addAction(Toggle("OptSprings", QStringLiteral("Apply &Lateral Springs and Rotation Restraints"), &TProgramData::UseSprings, &t.SoilStrength()));
    menu->addAction(Toggle("OptPYMod", QStringLiteral("Apply External p-y &Modification Factors "), &TProgramData::UsePYMod, &t.PYMod()));
    menu->addAction(Toggle("OptSurcharge", QStringLiteral("Apply Additional Surcharge Loads"), &TProgramData::UseSurcharge, &t.SurchargeTable()));
    menu->addAction(Toggle("OptMEI", QStringLiteral("Apply Nonlinear Moment vs EI Curves"), &TProgramData::UseMEI, &t.MEICurves2()));
    QAction* longTerm = Act("OptLongTerm", QStringLiteral("Conduct Short-Term and Long-Term &Analyses"), &TMainForm::LongTermClick);
    longTerm->setCheckable(true);
    menu->addAction(longTerm);
    QAction* staged = Act("OptStaged", QStringLiteral("Conduct &Staged-Construction Analysis..."), nullptr);
    staged->setCheckable(true);
    connect(staged, &QAction::triggered, this, [this] { StagedDialog(true); });
    menu->addAction(staged);
    menu->addAction(Act("OptTextEditor", QStringLiteral("&Option of Text Editor..."), &TMainForm::OptionsClick));
    connect(menu, &QMenu::aboutToShow, this, &TMainForm::UpdateOptionsMenu);
}

void TMainForm::UpdateOptionsMenu() {
    CommitActiveDataForm();
    TProgramData& p = *project_;
    p.UserEarthPressure = p.EarthShape == 1;
    const auto check = [this](const char* name, bool on) { actions_[QLatin1String(name)]->setChecked(on); };
    check("OptGeneratePY", p.GeneratePY != 0);
    check("OptLoads", p.UseLoads);
    check("OptTiebacks", p.UseTiebacks);
    actions_["OptTiebacks"]->setEnabled(p.GeneratePY != 0);
    check("OptRestraints", p.UseRestraints);
    check("OptExtPY", p.UseExtPY);
    check("OptSprings", p.UseSprings);
    check("OptPYMod", p.UsePYMod);
    const bool generatedShape = p.EarthShape == 2 || p.EarthShape == 3;
    actions_["OptSurcharge"]->setEnabled(generatedShape);
    check("OptSurcharge", generatedShape && p.UseSurcharge);
    check("OptMEI", p.UseMEI);
    check("OptLongTerm", p.LongTerm);
    actions_["OptLongTerm"]->setEnabled(p.StageCount <= 1);
    check("OptStaged", p.StageCount > 1);
    actions_["OptStaged"]->setEnabled(!p.LongTerm && factories_.stagedDialog);
}

void TMainForm::CreateStageMenu() {
    stageMenu_ = menuBar()->addMenu(QStringLiteral("&Stage Construction"));
    stageMenu_->setObjectName(QStringLiteral("StageMenu"));
    for (int stage = 1; stage <= 5; ++stage) {
        QAction* action = stageMenu_->addAction(QStringLiteral("Stage &%1").arg(stage));
        action->setObjectName(QStringLiteral("Stage%1").arg(stage));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, stage] { SelectStage(stage); });
    }
    stageMenu_->addAction(Act("StageUpdate", QStringLiteral("Update &Current Stage"), &TMainForm::UpdateCurrentStage));
    stageMenu_->addAction(Act("StageCopy", QStringLiteral("Copy &Previous Stage"), &TMainForm::CopyPreviousStage));
    connect(stageMenu_, &QMenu::aboutToShow, this, &TMainForm::UpdateStageMenu);
    stageMenu_->menuAction()->setVisible(false);
}

void TMainForm::UpdateStageMenu() {
    CommitActiveDataForm();
    const TProgramData& p = *project_;
    const bool staged = p.StageCount > 1;
    for (int stage = 1; stage <= 5; ++stage) {
        auto* action = findChild<QAction*>(QStringLiteral("Stage%1").arg(stage));
        action->setEnabled(staged && stage <= p.StageCount);
        action->setChecked(stage == p.CurrentStage);
    }
    actions_["StageCopy"]->setEnabled(staged && p.CurrentStage >= 2);
}

void TMainForm::CreateComputationMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Computation"));
    menu->addAction(Act("CompRun", QStringLiteral("&Run Analysis"), &TMainForm::CompRunClick));
    menu->addAction(Act("CompEditInput", QStringLiteral("Edit I&nput Text"), &TMainForm::EditInputClick));
    menu->addAction(Act("CompEditNotes", QStringLiteral("Edit &Processor-Run Notes"), &TMainForm::EditNotesClick));
    menu->addAction(Act("CompEditOutput", QStringLiteral("Edit &Output Text"), &TMainForm::EditOutputClick));
    menu->addAction(Act("CompViewGeometry", QStringLiteral("&View Wall Geometry"), &TMainForm::ShowProfile));
    menu->addAction(Act("Comp3DView", QStringLiteral("3D View"), &TMainForm::Show3DView));
    connect(menu, &QMenu::aboutToShow, this, [this] {
        CommitActiveDataForm();
        UpdateResultCommands();
    });
}

void TMainForm::CreateGraphicsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Graphics"));
    const auto graphItem = [&](const char* name, const QString& text, TGraphPlot& graph) {
        QAction* action = Act(name, text, nullptr);
        connect(action, &QAction::triggered, this, [this, &graph] { ShowGraph(graph); });
        menu->addAction(action);
    };
    TGraphSet& g = graphs_;
    graphItem("GraphPY", QStringLiteral("p-&y Curves"), g.pltPY);
    graphItem("GraphDeflection", QStringLiteral("&Deflection vs Depth"), g.pltDef);
    graphItem("GraphMoment", QStringLiteral("&Moment vs Depth"), g.pltMom);
    graphItem("GraphShear", QStringLiteral("&Shear vs Depth"), g.pltShear);
    graphItem("GraphReaction", QStringLiteral("Net &Reaction vs Depth"), g.pltSoil);
    graphItem("GraphDMS", QStringLiteral("&Deflection, Moment and Shear"), g.pltDMS);
    graphItem("GraphPressure", QStringLiteral("Earth &Pressure Distribution"), g.pltLD);
    graphItem("GraphCombined", QStringLiteral("Earth Pressure Combined"), g.PltCombine);
    menu->addAction(Act("GraphExport", QStringLiteral("Export Plots To Excel"), &TMainForm::ExportGraphs));
    connect(menu, &QMenu::aboutToShow, this, &TMainForm::UpdateResultCommands);
}

void TMainForm::CreateWindowMenu() {
    windowMenu_ = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::UpdateWindowMenu);
    UpdateWindowMenu();
}

// Cascade, arrange, then one item per child window, the active one checked.
void TMainForm::UpdateWindowMenu() {
    CommitActiveDataForm();
    windowMenu_->clear();
    windowMenu_->addAction(QStringLiteral("&Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
    windowMenu_->addAction(QStringLiteral("&Arrange Icons"), mdi_, &QMdiArea::tileSubWindows);
    const QList<QMdiSubWindow*> children = mdi_->subWindowList();
    if (!children.isEmpty()) windowMenu_->addSeparator();
    for (QMdiSubWindow* child : children) {
        QAction* item = windowMenu_->addAction(child->windowTitle());
        item->setCheckable(true);
        item->setChecked(child == mdi_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, child] { mdi_->setActiveSubWindow(child); });
    }
}

void TMainForm::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    menu->addAction(QStringLiteral("&Contents"), this, [this] { OpenHelpFile("KORVEX_2015.chm"); });
    menu->addAction(QStringLiteral("&User's Manual"), this, [this] { OpenHelpFile("KORVEX 2015 Users Manual.pdf"); });
    menu->addAction(QStringLiteral("&Technical Manual"), this, [this] { OpenHelpFile("KorvexTechnicalManual.bat"); });
    menu->addAction(Act("HelpAbout", QStringLiteral("&About..."), &TMainForm::ShowAbout));
    // The maker's page that tells whether a newer release exists.
    menu->addAction(QStringLiteral("Check for &Updates"), this, [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://www.vandre.com/korvex/updates?version=2015.5.21")));
    });
}

// A help file or manual that cannot be opened gives no message.
void TMainForm::OpenHelpFile(const char* name) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(programFolder_).filePath(QLatin1String(name))));
}

void TMainForm::CreateToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    const auto button = [&](const char* name, const QString& hint) {
        QAction* action = actions_[QLatin1String(name)];
        action->setToolTip(hint);
        bar->addAction(action);
    };
    const auto tool = [&](const char* name, const QString& hint, void (TMainForm::*slot)()) {
        QAction* action = Act(name, hint, slot);
        bar->addAction(action);
    };
    button("FileNew", QStringLiteral("New Data File"));
    button("FileOpen", QStringLiteral("Open Data File"));
    button("FileSave", QStringLiteral("Save Data File"));
    bar->addSeparator();
    button("DataTitle", QStringLiteral("Title"));
    button("DataWallProperties", QStringLiteral("Wall Properties"));
    // Unlike its menu item, the button stays enabled whatever the earth-pressure options.
    tool("ToolWallConfiguration", QStringLiteral("Wall Configuration"), &TMainForm::WallConfigurationClick);
    tool("ToolSoilLayers", QStringLiteral("Soil Layers"), nullptr);
    connect(actions_["ToolSoilLayers"], &QAction::triggered, this, [this] { ShowTable(tables_.NewSoil()); });
    bar->addSeparator();
    button("CompRun", QStringLiteral("Run Analysis"));
    tool("ToolStageOption", QStringLiteral("Stage Construction Option"), nullptr);
    connect(actions_["ToolStageOption"], &QAction::triggered, this, [this] { StagedDialog(false); });
    tool("ToolViewOutput", QStringLiteral("View Output File"), &TMainForm::EditOutputClick);
    tool("ToolProfile", QStringLiteral("View Soil Profile"), &TMainForm::ShowProfile);
    button("Comp3DView", QStringLiteral("3D View"));
    bar->addSeparator();
    button("GraphPY", QStringLiteral("View p-y Curves"));
    button("GraphDeflection", QStringLiteral("Deflection Diagram"));
    button("GraphMoment", QStringLiteral("Moment Diagram"));
    button("GraphShear", QStringLiteral("Shear Diagram"));
    button("GraphReaction", QStringLiteral("Net Reaction Diagram"));
    button("GraphDMS", QStringLiteral("DMV Diagrams"));
    button("GraphPressure", QStringLiteral("Pressure Diagram"));
    CreateStageButtons(bar);
    Create3DButtons(bar);
}

void TMainForm::CreateStageButtons(QToolBar* bar) {
    bar->addSeparator();
    for (int stage = 1; stage <= kMostStages; ++stage) {
        const QByteArray name = QByteArrayLiteral("ToolStage") + QByteArray::number(stage);
        QAction* button = Act(name.constData(), QStringLiteral("Stage Const. %1").arg(stage), nullptr);
        button->setCheckable(true);
        connect(button, &QAction::triggered, this, [this, stage] { SelectStage(stage); });
        bar->addAction(button);
    }
    UpdateStageButtons();
}

}  // namespace korvex::app

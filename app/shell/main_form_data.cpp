// The child windows of the main window: data windows and table editors,
// each shown at most once, and the commit of a data window's values when it
// stops being active.
#include "project/program_data.h"
#include "shell/data_forms.h"
#include "shell/main_form.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace korvex::app {
namespace {

QString TableKey(const TGridTable& table) { return QStringLiteral("Table%1").arg(quintptr(&table)); }

// Windows that draw (graphs, profile, 3-D view) ask for little room of their
// own; they open over two thirds of the work area, others at their natural size.
QSize DrawingWindowSize(const QMdiArea& area) { return {area.width() * 2 / 3, area.height() * 3 / 4}; }

}  // namespace

QSize TMainForm::InitialSize(const QWidget& widget) const {
    const QSize hint = widget.sizeHint();
    if (hint.width() < 300 || hint.height() < 200) return DrawingWindowSize(*mdi_);
    return hint.boundedTo(mdi_->size());
}

void TMainForm::ShowChild(const QString& key, const std::function<QWidget*()>& create, bool maximised) {
    if (QMdiSubWindow* existing = children_.value(key)) {
        if (existing->isMinimized()) existing->showNormal();
        mdi_->setActiveSubWindow(existing);
        return;
    }
    QWidget* widget = create();
    if (!widget) return;
    widget->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = mdi_->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(InitialSize(*widget));
    children_.insert(key, window);
    if (maximised)
        window->showMaximized();
    else
        window->show();
    mdi_->setActiveSubWindow(window);
}

void TMainForm::ShowDataForm(const QString& key, const std::function<TDataForm*()>& create) {
    ShowChild(key, [&]() -> QWidget* {
        TDataForm* form = create();
        connect(form, &TDataForm::rejected, this, [this](const QString& text) { prompts_->Information(text); });
        form->ShowValues();
        return form;
    });
}

void TMainForm::ShowTable(TGridTable& table) {
    if (factories_.table) ShowChild(TableKey(table), [&] { return factories_.table(table, nullptr); });
}

void TMainForm::CloseTableWindow(TGridTable& table) {
    if (QMdiSubWindow* window = children_.value(TableKey(table))) window->close();
}

TDataForm::TOpenTable TMainForm::TableOpener() {
    if (!factories_.table) return {};
    return [this](TGridTable& table) { ShowTable(table); };
}

// The active data window writes its values; false when an entry of it does
// not validate, the window then staying in front.
bool TMainForm::CommitActiveDataForm() {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    auto* form = active ? qobject_cast<TDataForm*>(active->widget()) : nullptr;
    return !form || form->Commit();
}

// The data window that stops being active writes its values; one whose
// entry does not validate comes back to the front. The one that becomes
// active shows the project's current values.
void TMainForm::ActiveChildChanged(QMdiSubWindow* now) {
    QMdiSubWindow* before = lastActive_;
    lastActive_ = now;
    if (restoringActive_ || !now || before == now) return;
    auto* left = before ? qobject_cast<TDataForm*>(before->widget()) : nullptr;
    if (left && !left->Commit()) {
        restoringActive_ = true;
        mdi_->setActiveSubWindow(before);
        restoringActive_ = false;
        return;
    }
    if (auto* form = qobject_cast<TDataForm*>(now->widget())) form->ShowValues();
}

// Every child window closes; one that refuses (an entry that does not
// validate) is closed all the same, as the project it shows goes away.
void TMainForm::CloseChildWindows() {
    for (QMdiSubWindow* window : mdi_->subWindowList())
        if (!window->close()) delete window;
    children_.clear();
}

// The data windows and table editors close, writing their values; the
// drawing windows stay.
void TMainForm::CloseDataWindows() {
    for (auto child = children_.begin(); child != children_.end();) {
        QMdiSubWindow* window = child.value();
        const bool data = window && (qobject_cast<TDataForm*>(window->widget()) ||
                                     child.key().startsWith(QLatin1String("Table")));
        if (data && !window->close()) delete window;
        child = data ? children_.erase(child) : std::next(child);
    }
}

void TMainForm::TitleClick() {
    ShowDataForm(QStringLiteral("Title"), [this] { return new TTitleForm(*project_); });
}

void TMainForm::WallPropertiesClick() {
    ShowDataForm(QStringLiteral("WallProperties"), [this] { return new TWallPropertiesForm(*project_, TableOpener()); });
}

void TMainForm::WallConfigurationClick() {
    ShowDataForm(QStringLiteral("WallConfiguration"), [this] { return new TWallConfigurationForm(*project_); });
}

void TMainForm::LoadsClick() {
    ShowDataForm(QStringLiteral("Loads"), [this] {
        auto* form = new TOptionTableForm(*project_, TableOpener(), &TProgramData::UseLoads,
                                          QStringLiteral("Apply &Concentrated Loads"),
                                          QStringLiteral("&Edit Concentrated Loads"), tables_.BoundCond());
        form->setWindowTitle(QStringLiteral("Concentrated Loads"));
        connect(form, &TOptionTableForm::optionCleared, this, &TMainForm::CloseTableWindow);
        return form;
    });
}

void TMainForm::SpringsClick() {
    ShowDataForm(QStringLiteral("Springs"), [this] {
        auto* form = new TOptionTableForm(*project_, TableOpener(), &TProgramData::UseSprings,
                                          QStringLiteral("&Lateral and Rotational Springs"),
                                          QStringLiteral("&Edit Spring Stiffness"), tables_.SoilStrength());
        form->setWindowTitle(QStringLiteral("Lateral & Rotational Springs"));
        connect(form, &TOptionTableForm::optionCleared, this, &TMainForm::CloseTableWindow);
        return form;
    });
}

void TMainForm::TiebackClick() {
    ShowDataForm(QStringLiteral("Tieback"), [this] {
        auto* form = new TTableButtonForm(*project_, TableOpener(), QStringLiteral("&Enter Tieback data"),
                                          tables_.TiebackTable1());
        form->setWindowTitle(QStringLiteral("Tieback (Ground Anchor)"));
        return form;
    });
}

void TMainForm::SurchargeClick() {
    ShowDataForm(QStringLiteral("Surcharge"), [this] {
        auto* form = new TTableButtonForm(*project_, TableOpener(), QStringLiteral("&Edit Surcharge Loads"),
                                          tables_.SurchargeTable());
        form->setWindowTitle(QStringLiteral("Additional Surcharge"));
        return form;
    });
}

void TMainForm::OptionsClick() {
    ShowDataForm(QStringLiteral("Options"), [this] { return new TOptionsForm(*project_, EditorPath); });
}

}  // namespace korvex::app

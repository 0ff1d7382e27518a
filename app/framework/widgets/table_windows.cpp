#include "framework/widgets/table_windows.h"

#include "framework/grid_table_chart.h"
#include "framework/widgets/table_chart_form.h"

#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace korvex::app {

namespace {
QMdiSubWindow* FrameOf(QWidget& widget) {
    for (QWidget* w = &widget; w; w = w->parentWidget())
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) return frame;
    return nullptr;
}

void BringToFront(TTableForm& form) {
    if (QMdiSubWindow* frame = FrameOf(form); frame && frame->mdiArea()) {
        frame->mdiArea()->setActiveSubWindow(frame);
        return;
    }
    form.show();
    form.raise();
    form.activateWindow();
}

void ShowModal(std::unique_ptr<TTableForm> form, QWidget& from) {
    TTableForm* window = form.release();
    window->setParent(from.window(), Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
}

void ShowModeless(std::unique_ptr<TTableForm> form, QWidget& from) {
    if (QMdiSubWindow* frame = FrameOf(from); frame && frame->mdiArea()) {
        frame->mdiArea()->addSubWindow(form.release())->show();
        return;
    }
    TTableForm* window = form.release();
    window->setParent(from.window(), Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}
}  // namespace

std::unique_ptr<TTableForm> CreateTableForm(TGridTable& table) {
    if (auto* chartTable = dynamic_cast<TGridTableChart*>(&table)) return std::make_unique<TTableChartForm>(*chartTable);
    return std::make_unique<TTableForm>(table);
}

void ShowTableWindow(TGridTable& table, QWidget& from) {
    if (TTableForm* open = TTableForm::Of(table)) {
        BringToFront(*open);
        return;
    }
    if (from.window()->isModal())
        ShowModal(CreateTableForm(table), from);
    else
        ShowModeless(CreateTableForm(table), from);
}

}  // namespace korvex::app

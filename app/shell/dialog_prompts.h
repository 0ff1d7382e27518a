// The user prompts shown as message boxes and file dialogs.
#pragma once

#include "shell/user_prompts.h"

class QWidget;

namespace korvex::app {

class TDialogPrompts : public TUserPrompts {
public:
    explicit TDialogPrompts(QWidget* parent) : parent_(parent) {}

    void Information(const QString& text) override;
    TAnswer Confirm(const QString& text, bool withCancel) override;
    std::optional<TOpenChoice> OpenFileName(const QString& filter) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& proposal,
                                        const QString& filter) override;

private:
    QWidget* parent_;
};

// "Name (*.x)|*.x|Other (*.y)|*.y" as the dialog's filters "Name (*.x)", "Other (*.y)".
QStringList DialogFilters(const QString& filter);

}  // namespace korvex::app
